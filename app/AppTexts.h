#pragma once

// Texts of the application shell that reach the user or the system, byte for byte. Source
// files are UTF-8; the compiler turns every narrow literal into GBK.
namespace appTexts {

// Prefixes of the log box entries, by level.
constexpr char kLogPrefixError[] = "\r\n[错误]:\t";
constexpr char kLogPrefixWarning[] = "\r\n[警告]:\t";
constexpr char kLogPrefixInfo[] = "\r\n[信息]:\t";
constexpr char kLogEntryEnd[] = "\r\n";

// Prefixes of the editor window's status line, by level.
constexpr char kStatusPrefixError[] = "[错误]:\t";
constexpr char kStatusPrefixWarning[] = "[警告]:\t";
constexpr char kStatusPrefixInfo[] = "[信息]:\t";

// Persisted settings: section and keys in the user's WIN.INI.
constexpr char kSettingsSection[] = "velorin";
constexpr char kSettingInputFile[] = "txtfile";
constexpr char kSettingOutputDir[] = "outpath";

// File types of the input file chooser: pairs of name and pattern, ended by an empty name.
constexpr char kInputFileFilter[] = "文本文件 (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";

// Logged (as an error) instead of converting when a path box holds a longer path than the
// convert command reads; a cut path would name another file or directory.
constexpr char kInputPathTooLong[] = "输入文件的路径太长(最多511字节)，未转换.";
constexpr char kOutputPathTooLong[] = "输出目录的路径太长(最多511字节)，未转换.";
constexpr char kDatabasePathTooLong[] = "输出目录的路径太长(最多511字节)，不能编辑.";

}  // namespace appTexts
