#pragma once

// What the command-line tool says of its own; the core's messages come through the log.
namespace cliTexts {

inline constexpr char kUsage[] =
    "usage: velorin-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  convert INPUT OUTDIR   convert a bus-line text file into the five data files\n"
    "                         (readme.txt, s.i, s.d, t.i, t.d) in OUTDIR\n"
    "  dump DIR               write the data files in DIR back as an input text file\n"
    "  check DIR              verify that the five data files in DIR agree\n"
    "  import FEED -o FILE    write a GTFS feed (zip or directory) as an input text file\n"
    "  diff A B               列出两个版本（输入文本或数据文件夹）之间的改动\n"
    "  rename SOURCE OLD NEW  把输入文本或数据文件夹中的站名OLD全部改为NEW\n"
    "  lint SOURCE            检查输入文本或数据文件夹里的常见错误，逐条给出位置和改法\n"
    "\n"
    "options of convert:\n"
    "  --input-encoding gbk|utf-8   encoding of INPUT (default gbk)\n"
    "\n"
    "options of dump:\n"
    "  -o FILE                      write the text to FILE instead of standard output\n"
    "  --utf8                       write UTF-8 instead of GBK\n"
    "\n"
    "options of import:\n"
    "  --date YYYYMMDD              only the trips that run on that day\n"
    "  --city NAME                  the city (default: the agency's name)\n"
    "  --author TEXT, --memo TEXT   the header's author and memo\n"
    "  --utf8                       write UTF-8 instead of GBK\n"
    "  --report FILE                write the report as JSON to FILE as well\n"
    "\n"
    "options of diff:\n"
    "  --json FILE                  把改动另写成JSON文件FILE\n"
    "                               （退出状态：0相同，1不同，2无法读取）\n"
    "\n"
    "options of rename:\n"
    "  --dry-run                    只列出要改的线路，不修改文件\n"
    "\n"
    "options of lint:\n"
    "  --json FILE                  把提示另存为 JSON 文件\n"
    "  --accept FILE                不再显示 FILE 中已接受的提示\n"
    "  --write-accept FILE          把这次的全部提示写成接受列表 FILE，可以编辑\n"
    "  接受列表之外还有警告或错误时，lint 的退出状态为 1，否则为 0\n"
    "\n"
    "options of every command:\n"
    "  --output-encoding gbk|utf-8  encoding of what is printed (default: the terminal's)\n"
    "  --help                       show this text\n"
    "  --version                    show the version\n"
    "\n"
    "Messages are printed with their level: [错误] error, [警告] warning, [信息] information.\n"
    "The exit status is 0 on success, 1 when the conversion, the loading or the import failed or\n"
    "logged an error or check found a problem, and 2 for a wrong command line.\n";

inline constexpr char kVersionPrefix[] = "velorin-cli ";
inline constexpr char kErrorPrefix[] = "velorin-cli: ";
inline constexpr char kOutOfMemory[] = "内存不足，命令已停止";
inline constexpr char kUnknownCommand[] = "unknown command: ";
inline constexpr char kUnknownOption[] = "unknown option: ";
inline constexpr char kMissingValue[] = "option needs a value: ";
inline constexpr char kBadEncoding[] = "encoding must be gbk or utf-8: ";
inline constexpr char kWrongArguments[] = "wrong number of arguments for ";
inline constexpr char kImportNeedsOutput[] = "import needs -o FILE";
inline constexpr char kOutputIsInput[] = "“%s”是要导入的数据本身（或其中的文件），不能写在它上面";
inline constexpr char kReportIsOutput[] = "--report 与 -o 是同一个文件“%s”";
// Filled with the path of a source that is neither an input text nor a data folder.
inline constexpr char kSourceNotFound[] = "找不到%s：它既不是输入文本，也不是数据文件夹";
inline constexpr char kSeeHelp[] = "try 'velorin-cli --help'";

// dump: what the input format cannot say. Printed as "line N (NAME): TEXT".
inline constexpr char kDumpProblem[] = "warning: line %s (%s): %s\n";
inline constexpr char kDumpHeaderProblem[] = "warning: line %s: %s\n";
// check: "FILE:OFFSET: TEXT" for each problem, then the count or the summary.
inline constexpr char kCheckProblem[] = "%s:%s: %s\n";
inline constexpr char kCheckSummary[] = "ok: %s stations, %s trips, %s lines\n";
inline constexpr char kCheckFailed[] = "%s problems found\n";

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

}  // namespace cliTexts
