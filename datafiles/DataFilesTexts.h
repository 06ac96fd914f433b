#pragma once

// The texts of reading the data files back: what the loader logs and the problems the
// checker reports. Literals are compiled to GBK.
namespace dataFilesTexts {

// Loading the data files.
// Filled with the path that could not be opened.
inline constexpr char kStationIndexNotFound[] = "没有找到车站索引文件s.i: %s";
// Follows the trip text that was cut to its first 511 bytes.
inline constexpr char kTripTextTooLong[] = " 路线名称太长";
inline constexpr char kStationNumberOutOfRange[] = "数组越界";
// Why the database did not open where loading itself says nothing. Filled with the path.
inline constexpr char kNoStations[] = "车站索引文件中没有任何车站，数据库是空的，没有打开: %s";
inline constexpr char kTripStationsNotFound[] = "没有找到车次站点文件t.d，数据库没有打开: %s";
inline constexpr char kTripIndexNotFound[] = "没有找到车次索引文件t.i，数据库没有打开: %s";
inline constexpr char kLoadFinished[] = "加载完成!";
// Filled with the trip text.
inline constexpr char kTripTextExtraFields[] =
    "车次信息多于5个字段，第5个字段之后的内容没有读入: %s";
inline constexpr char kReadmeMarkersMissing[] =
    "readme.txt中没有依次找到[city]、[date]、[author]和[memo]，城市、日期、作者和其他信息保持不变";

// A damaged data file. Filled with the file name, the byte offset and one of the reasons.
inline constexpr char kFileDamaged[] = "数据文件%s已损坏，在第%s字节处: %s";
// Filled with the value.
inline constexpr char kNegativeCount[] = "数量%s是负数";
inline constexpr char kNegativeLength[] = "长度%s是负数";
// Filled with the end the record needs and the file's length.
inline constexpr char kPastEnd[] = "记录需要读到第%s字节，文件只有%s字节";
// Filled with the offset and the length of t.d.
inline constexpr char kOffsetOutside[] = "偏移量%s不在t.d的记录区之内(t.d共%s字节)";

// Checking the data files: each problem found.
inline constexpr char kCheckMissing[] = "the file cannot be opened";
inline constexpr char kCheckNoByteOrderMark[] = "the file does not start with FF FE";
inline constexpr char kCheckReadmeMarkers[] =
    "[city], [date], [author] and [memo] are not all there in this order";
// Filled with what was being read and the file's length.
inline constexpr char kCheckPastEnd[] = "the %s runs past the end of the file (%s bytes)";
inline constexpr char kCheckHighByte[] = "the %s has a byte of 128 or more";
inline constexpr char kCheckOddLength[] = "the %s is odd: %s";
inline constexpr char kCheckTrailing[] = "%s bytes follow the last record";
inline constexpr char kCheckHeaderLength[] =
    "the header gives %s bytes after it, but the file has %s";
// Filled with the record's number, the offset found and the offset where the record is.
inline constexpr char kCheckOffset[] = "record %s points to offset %s, but its record is at %s";
// Filled with the record's number, the offset and the file's length.
inline constexpr char kCheckOffsetOutside[] =
    "record %s points to offset %s, outside the records of %s (%s bytes)";
inline constexpr char kCheckStationNumber[] =
    "trip %s stops at station %s, which is not below the station count %s";
inline constexpr char kCheckTripNumber[] =
    "station %s lists trip %s, which is not below the trip count %s";
inline constexpr char kCheckNotAscending[] = "the trips of station %s are not in ascending order";
inline constexpr char kCheckTripsDiffer[] =
    "station %s lists the trips [%s], but the trips that stop there are [%s]";
inline constexpr char kCheckNameOrder[] =
    "station %s (%s) does not sort after the station before it";
// What was being read, for kCheckPastEnd, kCheckHighByte and kCheckOddLength.
inline constexpr char kStationCount[] = "station count";
inline constexpr char kTripCount[] = "trip count";
inline constexpr char kStationRecord[] = "station record";
inline constexpr char kTripRecord[] = "trip record";
inline constexpr char kTextLength[] = "text length";
inline constexpr char kLengthHeader[] = "length header";
inline constexpr char kTripList[] = "trip list";
inline constexpr char kStationList[] = "station list";
inline constexpr char kListLength[] = "list length";

}  // namespace dataFilesTexts
