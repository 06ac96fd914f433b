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
inline constexpr char kCheckMissing[] = "文件无法打开";
inline constexpr char kCheckNoByteOrderMark[] = "文件不是以FF FE开头";
inline constexpr char kCheckReadmeMarkers[] = "没有依次找到[city]、[date]、[author]和[memo]";
// Filled with what was being read and the file's length.
inline constexpr char kCheckPastEnd[] = "%s超出了文件末尾(文件共%s字节)";
inline constexpr char kCheckHighByte[] = "%s有大于等于128的字节";
inline constexpr char kCheckOddLength[] = "%s是奇数: %s";
inline constexpr char kCheckTrailing[] = "最后一条记录之后还有%s字节";
inline constexpr char kCheckHeaderLength[] = "文件头写的是其后有%s字节，实际有%s字节";
// Filled with the record's number, the offset found and the offset where the record is.
inline constexpr char kCheckOffset[] = "第%s条记录指向偏移量%s，但它的记录在%s";
// Filled with the record's number, the offset and the file's length.
inline constexpr char kCheckOffsetOutside[] =
    "第%s条记录指向偏移量%s，不在%s的记录区之内(共%s字节)";
inline constexpr char kCheckStationNumber[] = "车次%s停靠的车站%s不小于车站数%s";
inline constexpr char kCheckTripNumber[] = "车站%s列出的车次%s不小于车次数%s";
inline constexpr char kCheckNotAscending[] = "车站%s的车次没有按从小到大排列";
inline constexpr char kCheckTripsDiffer[] = "车站%s列出的车次是[%s]，但停靠这个车站的车次是[%s]";
inline constexpr char kCheckNameOrder[] = "车站%s(%s)没有排在前一个车站之后";
// What was being read, for kCheckPastEnd, kCheckHighByte and kCheckOddLength.
inline constexpr char kStationCount[] = "车站数";
inline constexpr char kTripCount[] = "车次数";
inline constexpr char kStationRecord[] = "车站记录";
inline constexpr char kTripRecord[] = "车次记录";
inline constexpr char kTextLength[] = "文字长度";
inline constexpr char kLengthHeader[] = "长度文件头";
inline constexpr char kTripList[] = "车次列表";
inline constexpr char kStationList[] = "站点列表";
inline constexpr char kListLength[] = "列表长度";

}  // namespace dataFilesTexts
