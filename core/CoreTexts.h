#pragma once

// The texts of the conversion core: the level prefixes, what parsing and generating log and
// what the input text writer reports. Literals are compiled to GBK.
namespace coreTexts {

// What precedes a message of each level wherever messages are shown: the main window's log
// box, the editor window's status line and the terminal.
inline constexpr char kLevelPrefixError[] = "[错误]:\t";
inline constexpr char kLevelPrefixWarning[] = "[警告]:\t";
inline constexpr char kLevelPrefixInfo[] = "[信息]:\t";

// Reading the input text file.
inline constexpr char kLoadingResourceFile[] = "加载资源文件.";
inline constexpr char kInputFileNotFound[] = "[错误]输入文件没有找到.";
// Filled with: first down station, last up station, first up station, last down station, line.
inline constexpr char kEndsDiffer[] = "上行和下行起始站点不同:\n[%s] vs [%s]\n[%s]vs[%s]\n%s";
inline constexpr char kUpStationsEmpty[] = "上行数据为空，请更正错误再试后按任意键重试!";
inline constexpr char kLoadingFinished[] = "加载完毕";
// Reading an input text in another encoding: which one was read, and what cannot be read,
// filled with the line and the code point.
inline constexpr char kEncodingUtf8[] = "UTF-8";
inline constexpr char kEncodingUtf16Le[] = "UTF-16 LE";
inline constexpr char kEncodingUtf16Be[] = "UTF-16 BE";
inline constexpr char kEncodingRead[] = "输入文件按%s编码读取，已转换为GBK";
inline constexpr char kNotUtf8[] = "第%s行不是有效的UTF-8文本";
inline constexpr char kNotUtf16[] = "第%s行不是完整的UTF-16文本";
inline constexpr char kNotInGbk[] = "第%s行有GBK无法表示的字符U+%s";
// Filled with one of the three above.
inline constexpr char kInputNotRead[] = "输入文件%s，没有转换";
// The input holds no data line: nothing is written, so a wrong file never empties a database.
inline constexpr char kNoRoutes[] =
    "输入文件里没有线路数据([datasection]之后没有数据行)，没有写入任何文件";
// Filled with the line whose field was cut.
inline constexpr char kFieldTruncated[] = "字段超过2047字节，超出的部分已舍去:\n%s";

// Writing the data files.
inline constexpr char kGeneratingData[] = "正在生成数据...";
inline constexpr char kCountingData[] = "正在统计数据...";
inline constexpr char kStationConvertFailed[] =
    "转换编码发现异常，可能是你的数据格式有问题，请确认";
inline constexpr char kStationTooManyTrips[] = "车站车次太多，超过了128个车次\n";
inline constexpr char kStationIndexCreated[] = "创建s.i成功\n";
inline constexpr char kUpTripConvertFailed[] = "转换编码有问题，可能是数据格式错误";
inline constexpr char kTripTextTooLong[] = "信息太长";
inline constexpr char kUpTripTooManyStations[] = "车次停靠站点太多";
inline constexpr char kDownTripConvertFailed[] = "编码错误";
inline constexpr char kDownTripTooManyStations[] = "车次站点太多";
inline constexpr char kAllDone[] = "大功告成";

// Writing the data files: what cannot be written.
// A route that converting could never have read; filled with its number and name.
inline constexpr char kRouteWithoutUpStations[] =
    "第%s条线路[%s]没有上行站点，请填写后再保存，没有写入任何文件";
inline constexpr char kRouteEmptyStation[] =
    "第%s条线路[%s]有名称为空的站点，请填写或删除后再保存，没有写入任何文件";
inline constexpr char kNoOutputDirectory[] = "没有指定输出目录，没有生成数据文件";
// Filled with the count.
inline constexpr char kTooManyStations[] = "车站数量%s超过了数据文件的上限16383";
inline constexpr char kTooManyTrips[] = "车次数量%s超过了数据文件的上限16383";
// Filled with the trip text and the count.
inline constexpr char kTripListTooLong[] = "车次[%s]的站点数%s超过了数据文件的上限8191";
// Filled with the station name and the count.
inline constexpr char kStationListTooLong[] = "车站[%s]的车次数%s超过了数据文件的上限8191";
// Filled with the file name and its length.
inline constexpr char kFileTooLong[] = "文件%s的长度%s字节超过了数据文件的上限2097151字节";
inline constexpr char kNothingWritten[] = "数据超出了数据文件格式的上限，没有写入任何文件";
// Filled with the path and the system's reason.
inline constexpr char kCannotWriteFile[] = "无法写入文件%s: %s";
inline constexpr char kCannotReplaceFile[] = "无法替换文件%s: %s";
inline constexpr char kCannotSyncDirectory[] = "无法把目录%s的改动写入磁盘: %s";
inline constexpr char kFilesUnchanged[] = "数据文件没有生成，目录中原有的文件保持不变";
// A failed save could not be undone whole; its journal stays for the next use.
inline constexpr char kSaveFinishedNextUse[] =
    "数据文件没有全部换回，保存记录留在目录中，下次使用这个目录时会换上这次写好的全部新数据文件";
// The save is complete; filled with the path of the previous file and the system's reason.
inline constexpr char kCannotRemovePrevious[] = "无法删除旧文件%s: %s，下次使用这个目录时再删除";

// Finishing or undoing a save that was interrupted, before a directory is used. Filled with
// the directory.
inline constexpr char kRecoveryFinished[] =
    "发现上次没有完成的保存，已按保存记录换上它写好的全部新数据文件: %s";
inline constexpr char kRecoveryUndone[] =
    "发现上次没有完成的保存，已删除它的临时文件，原有的数据文件保持不变: %s";
inline constexpr char kRecoveryPreviousRestored[] =
    "发现上次没有完成的保存，已放回原有的数据文件并删除临时文件: %s";
inline constexpr char kRecoveryPreviousRemoved[] =
    "发现上次保存留下的旧文件，新的数据文件已经完整，已删除旧文件: %s";
// Filled with the directory, the file and the reason.
inline constexpr char kRecoveryFailed[] =
    "无法恢复目录%s中上次没有完成的保存，文件保持原样。%s: %s";
inline constexpr char kJournalDoesNotMatch[] = "与保存记录不符";

// Writing routes back as input text: what the input format cannot say.
inline constexpr char kInputTextHeaderValue[] =
    "文件头的值含有换行或以\"[\"开头，输入文件格式无法表示";
inline constexpr char kInputTextComma[] = "文字中含有\",\"，转换时会被当作字段分隔符";
inline constexpr char kInputTextDash[] = "站名中含有\"-\"，转换时会被当作站点分隔符";
inline constexpr char kInputTextEmptyStation[] = "有名称为空的站点，转换时会被丢掉";
inline constexpr char kInputTextLineBreak[] = "文字中含有换行、Ctrl-Z或NUL，转换时会在这里断行";
inline constexpr char kInputTextEdgeSpaces[] = "字段以空格开头或结尾，转换时会去掉这些空格";
inline constexpr char kInputTextDownSameOrder[] =
    "下行站点与上行站点相同且顺序一样，转换时会把下行倒过来";
inline constexpr char kInputTextDownKeyword[] =
    "下行只有一个名为\"略\"或\"无\"的站点，转换时会被当作关键字";
inline constexpr char kInputTextNoUpStations[] = "这条线路没有上行站点，转换会在这里停止";
inline constexpr char kInputTextFieldTooLong[] = "字段超过2047字节，转换时会被截断";
inline constexpr char kInputTextLineTooLong[] = "这一行超过4095字节，转换时会被分成几行读取";

}  // namespace coreTexts
