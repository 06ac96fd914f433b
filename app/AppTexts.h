#pragma once

// Texts of the application shell that reach the user or the system, byte for byte. Source
// files are UTF-8; the compiler turns every narrow literal into GBK.
namespace appTexts {

// A log box entry is a line end, the level's prefix, the message and a line end.
inline constexpr char kLogLineEnd[] = "\r\n";

// Persisted settings: section and keys in the user's WIN.INI.
inline constexpr char kSettingsSection[] = "velorin";
inline constexpr char kSettingInputFile[] = "txtfile";
inline constexpr char kSettingOutputDir[] = "outpath";

// File types of the input file chooser: pairs of name and pattern, ended by an empty name.
inline constexpr char kInputFileFilter[] = "文本文件 (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";

// Logged (as an error) instead of converting when a path box holds a longer path than the
// convert command reads; a cut path would name another file or directory.
inline constexpr char kInputPathTooLong[] = "输入文件的路径太长(最多511字节)，未转换.";
inline constexpr char kOutputPathTooLong[] = "输出目录的路径太长(最多511字节)，未转换.";
inline constexpr char kDatabasePathTooLong[] = "输出目录的路径太长(最多511字节)，不能编辑.";

// The text of the help window: the input file format, where the generated files go, and the
// editor button. Lines are joined by "\r\n"; the last line has no line end.
// Line 1 starts with two tabs, line 3 with 13 spaces, every other non-empty line with 12.
inline constexpr char kHelpText[] =
    "\t\t行行达公交数据制作工具1.6\r\n"
    "\r\n"
    "             输入文件格式:\r\n"
    "            [city]\r\n"
    "            你的城市名称\r\n"
    "            [date]\r\n"
    "            数据日期\r\n"
    "            [author]\r\n"
    "            作者\r\n"
    "            [memo]\r\n"
    "            其他信息\r\n"
    "            [datasection]\r\n"
    "            "
    "线路1,起始站,首班时间,末班时间,终点站,首班时间,末班时间,车次类型,站1-站2-站3,站3-站2-站1,"
    "备选信息\r\n"
    "            "
    "线路2,起始站,首班时间,末班时间,终点站,首班时间,末班时间,车次类型,站1-站2-站3,略,备选信息\r\n"
    "            "
    "线路3,起始站,首班时间,末班时间,终点站,首班时间,末班时间,车次类型,站1-站2-站3,,备选信息\r\n"
    "            "
    "线路4,起始站,首班时间,末班时间,终点站,首班时间,末班时间,车次类型,站1-站2-站3,无,备选信息\r\n"
    "\r\n"
    "            注意:上行和下行站点相同的时候，下行可以输入略来代替。如线路2\r\n"
    "            没有下行的数据无需填写内容或填写无代替，如线路3-4\r\n"
    "            警告部分一般是应为逗号多一个或者少一个的问题，请仔细查看数据格式\r\n"
    "            生成数据在当前目录的数据（包括readme.txt,s.i,s.d,t.i,t.d）\r\n"
    "            放在jar包city\\db\\下的新目录(如hefei)下，\r\n"
    "            并修改city目录下的city.idx文件(可以用记事本打开)增加路径映射即可\r\n"
    "            jar文件可以使用zip解压工具解压，并使用zip方式压缩即可.\r\n"
    "            点击编辑按钮，可以对输出目录的文件进行编辑.\r\n"
    "\r\n"
    "            有任何问题或建议，欢迎到velorin项目主页留言提问.\r\n"
    "            velorin项目 版权所有";

}  // namespace appTexts
