#pragma once

// What the command-line tool says of its own; the core's messages come through the log.
namespace cliTexts {

// Columns are counted with a Chinese character as two, as a console shows it.
inline constexpr char kUsage[] =
    "用法: velorin-cli <命令> [选项]\n"
    "\n"
    "命令:\n"
    "  convert 输入文件 输出目录   把公交线路文本文件转换成五个数据文件\n"
    "                              (readme.txt、s.i、s.d、t.i、t.d)，写入输出目录\n"
    "  dump 目录                   把目录中的数据文件写回成输入文本文件\n"
    "  check 目录                  检查目录中的五个数据文件是否互相一致\n"
    "  import 数据源 -o 文件       把GTFS数据(zip文件或目录)写成输入文本文件\n"
    "  diff 甲 乙                  列出两个版本（输入文本或数据文件夹）之间的改动\n"
    "  rename 来源 旧站名 新站名   把输入文本或数据文件夹中的站名全部改为新站名\n"
    "  station 来源 站名           列出经过这个车站的每条线路和方向\n"
    "                              (来源: 输入文本或数据文件夹)\n"
    "  query 来源 起点站 终点站    查询乘车方案，最多换乘两次\n"
    "  report 来源 -o 文件         把线路、车站和换乘查询写成一个网页文件\n"
    "  来源                        同上，网页写在来源旁边，名为“城市名.html”\n"
    "  lint 来源                   检查输入文本或数据文件夹里的常见错误，逐条给出位置和改法\n"
    "\n"
    "convert的选项:\n"
    "  --input-encoding gbk|utf-8   输入文件的编码。不指定时自动识别记事本保存的\n"
    "                               UTF-8(带或不带BOM)和UTF-16，其余按GBK读取\n"
    "\n"
    "dump的选项:\n"
    "  -o 文件                      把文本写入文件，而不是标准输出\n"
    "  --utf8                       写成UTF-8，而不是GBK\n"
    "\n"
    "import的选项:\n"
    "  --date YYYYMMDD              只要这一天运行的车次\n"
    "  --city 名称                  城市名称(默认: 公交公司的名称)\n"
    "  --author 文字, --memo 文字   文件头里的作者和其他信息\n"
    "  --utf8                       写成UTF-8，而不是GBK\n"
    "  --report 文件                同时把报告以JSON格式写入文件\n"
    "\n"
    "diff的选项:\n"
    "  --json 文件                  把改动另写成JSON文件\n"
    "                               （退出状态：0相同，1不同，2无法读取）\n"
    "\n"
    "rename的选项:\n"
    "  --dry-run                    只列出要改的线路，不修改文件\n"
    "\n"
    "station和query的选项:\n"
    "  --json 文件                  把结果另写成JSON文件(-: 只写到标准输出)\n"
    "\n"
    "lint的选项:\n"
    "  --json 文件                  把提示另写成JSON文件\n"
    "  --accept 文件                不再显示接受列表文件中已接受的提示\n"
    "  --write-accept 文件          把这次的全部提示写成接受列表文件，可以编辑\n"
    "                               （退出状态：接受列表之外还有警告或错误为1，否则为0）\n"
    "\n"
    "所有命令的选项:\n"
    "  --output-encoding gbk|utf-8  显示信息的编码(默认: 终端的编码)\n"
    "  --help                       显示这段说明\n"
    "  --version                    显示版本\n"
    "\n"
    "信息前面标有级别: [错误] 错误，[警告] 警告，[信息] 一般信息。\n"
    "退出状态: 成功为0；转换、加载或导入失败、记录了错误，或者check发现问题为1；\n"
    "命令行有误为2。\n";

inline constexpr char kVersionPrefix[] = "velorin-cli ";
inline constexpr char kErrorPrefix[] = "velorin-cli: ";
inline constexpr char kOutOfMemory[] = "内存不足，命令已停止";
inline constexpr char kUnknownCommand[] = "未知的命令: ";
inline constexpr char kUnknownOption[] = "未知的选项: ";
inline constexpr char kMissingValue[] = "选项缺少值: ";
inline constexpr char kBadEncoding[] = "编码只能是gbk或utf-8: ";
inline constexpr char kWrongArguments[] = "参数个数不对: ";
inline constexpr char kImportNeedsOutput[] = "import需要用-o指定输出文件";
inline constexpr char kOutputIsInput[] = "“%s”是要导入的数据本身（或其中的文件），不能写在它上面";
inline constexpr char kReportIsOutput[] = "--report 与 -o 是同一个文件“%s”";
// Filled with the path of a source that is neither an input text nor a data folder.
inline constexpr char kSourceNotFound[] = "找不到%s：它既不是输入文本，也不是数据文件夹";
inline constexpr char kSeeHelp[] = "用法见velorin-cli --help";
inline constexpr char kBadDate[] = "--date的值应该是YYYYMMDD格式的日期: ";

// dump: what the input format cannot say, with the line number and the route's name, after
// the warning's prefix.
inline constexpr char kDumpProblem[] = "第%s行(%s): %s\n";
inline constexpr char kDumpHeaderProblem[] = "第%s行: %s\n";
// check: "FILE:OFFSET: TEXT" for each problem, then the count or the summary.
inline constexpr char kCheckProblem[] = "%s:%s: %s\n";
inline constexpr char kCheckSummary[] = "检查通过: %s个车站，%s个车次，%s条线路\n";
inline constexpr char kCheckFailed[] = "发现%s个问题\n";

// rename: each line changed, filled with the file, the line number, the line's name and the
// fields; for a data folder with the line's name and the fields.
inline constexpr char kRenamedTextLine[] = "%s:%s: %s（%s）\n";
inline constexpr char kRenamedRoute[] = "%s（%s）\n";
inline constexpr char kRenameFieldSeparator[] = "、";
// Filled with the new name.
inline constexpr char kRenameMerges[] = "“%s”已经是车站：改名后两站合并为一站\n";
// Filled with the old name, the new name and the number of lines.
inline constexpr char kRenameDone[] = "已把“%s”改为“%s”，共%s条线路\n";
inline constexpr char kRenameDryRun[] = "试运行：将把“%s”改为“%s”，共%s条线路；没有修改任何文件\n";
// Filled with the source and the old name.
inline constexpr char kRenameNoStation[] = "%s中没有站名“%s”，没有修改任何文件";
inline constexpr char kRenameSameName[] = "新旧站名相同，没有可改的";
// Filled with the new name and why it cannot be one.
inline constexpr char kRenameBadName[] = "不能用“%s”作站名：%s";
// Filled with the file and the encoding it was read in.
inline constexpr char kRenameNotGbkText[] =
    "%s是%s编码的文本：为了不改变文件的编码，rename只修改GBK文本，没有修改任何文件";

// station, query, report: what a passenger will see.
inline constexpr char kUp[] = "上行";
inline constexpr char kDown[] = "下行";
inline constexpr char kUnknownStation[] = "找不到车站“%s”。\n";
inline constexpr char kStationCandidates[] = "你要找的是不是：%s\n";
inline constexpr char kCandidateSeparator[] = "、";
inline constexpr char kStationHeading[] = "%s：%s 条线路方向经过\n";
// "  LINE DIRECTION：PREVIOUS → 本站 → NEXT" and then the details that are known.
inline constexpr char kStationCall[] = "  %s %s：%s → 本站 → %s";
inline constexpr char kLineStart[] = "（起点）";
inline constexpr char kLineEnd[] = "（终点）";
inline constexpr char kLineType[] = "，%s";
inline constexpr char kFirstBus[] = "，首班 %s";
inline constexpr char kLastBus[] = "，末班 %s";
inline constexpr char kJourneysFound[] = "从 %s 到 %s：%s 个方案\n";
inline constexpr char kNoJourney[] = "从 %s 到 %s 没有两次换乘以内的方案。\n";
inline constexpr char kDirectJourney[] = "直达";
inline constexpr char kJourneyChanges[] = "换乘 %s 次";
inline constexpr char kJourneyHeading[] = "方案 %s：%s，共 %s 站\n";
inline constexpr char kJourneyLeg[] = "  %s %s：%s 上车，%s 下车，%s 站\n";
inline constexpr char kReportWritten[] = "已写出 %s\n";
// A report dropped on the program, when it failed and the console window would close.
inline constexpr char kPressEnterToClose[] = "按回车键关闭窗口。\n";

}  // namespace cliTexts
