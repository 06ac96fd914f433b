#pragma once

// The texts the database editor logs. Literals are compiled to GBK.
namespace editorMessages {

// Loading the data files.
// Filled with the path that could not be opened.
inline constexpr char kStationIndexNotFound[] = "没有找到车站索引文件s.i: %s";
// Follows the trip text that was cut to its first 511 bytes.
inline constexpr char kTripTextTooLong[] = " 路线名称太长";
inline constexpr char kStationNumberOutOfRange[] = "数组越界";
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

}  // namespace editorMessages
