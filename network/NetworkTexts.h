#pragma once

// The texts of the network library that a user reads. Literals are compiled to GBK.
namespace networkTexts {

// diff: the changes from one version to the other, section by section, like a code review.
inline constexpr char kDiffIdentical[] = "两份数据相同\n";
inline constexpr char kDiffHeaderSection[] = "文件头：\n";
// Filled with the field, the old and the new value.
inline constexpr char kDiffValueChange[] = "  %s：%s → %s\n";
inline constexpr char kDiffRenamedSection[] = "车站改名：\n";
// Filled with the old name, the new name and the number of lines.
inline constexpr char kDiffRenamed[] = "  %s → %s（%s条线路）\n";
inline constexpr char kDiffMerged[] = "  %s → %s（并入已有车站，%s条线路）\n";
inline constexpr char kDiffLinesSection[] = "线路：\n";
// Filled with the line, its first and last up station and its number of up stations.
inline constexpr char kDiffLineAdded[] = "  + %s：%s → %s，%s站\n";
inline constexpr char kDiffLineRemoved[] = "  - %s：%s → %s，%s站\n";
inline constexpr char kDiffLineChanged[] = "  ~ %s\n";
// Filled with the field, the old and the new value.
inline constexpr char kDiffFieldChange[] = "      %s：%s → %s\n";
// Filled with the field, the station and where it stands.
inline constexpr char kDiffStationInserted[] = "      %s：插入 %s%s\n";
inline constexpr char kDiffStationRemoved[] = "      %s：删除 %s%s\n";
inline constexpr char kDiffPlaceBetween[] = "（在%s和%s之间）";
inline constexpr char kDiffPlaceBefore[] = "（在%s之前）";
inline constexpr char kDiffPlaceAfter[] = "（在%s之后）";
// A line whose name other lines share: filled with the name and which of them it is.
inline constexpr char kDiffNthLine[] = "%s（第%s条）";
inline constexpr char kDiffEmptyValue[] = "（空）";
inline constexpr char kDiffStationsSection[] = "车站：\n";
// Filled with the station and what changed.
inline constexpr char kDiffStationLines[] = "  %s：%s\n";
inline constexpr char kDiffGainedLines[] = "新增线路 %s";
inline constexpr char kDiffLostLines[] = "减少线路 %s";
inline constexpr char kDiffListSeparator[] = "、";
inline constexpr char kDiffPartSeparator[] = "；";
// Filled with the number of header fields, renamed stations, lines and stations.
inline constexpr char kDiffSummary[] = "共有差异：文件头%s项，车站改名%s个，线路%s条，车站%s个\n";

// rename: what a new station name cannot hold.
inline constexpr char kStationNameEmpty[] = "新站名不能为空";
inline constexpr char kStationNameSeparator[] =
    "站名不能含有“,”或“-”：输入文本用它们分隔字段和车站";
inline constexpr char kStationNameEdgeSpace[] =
    "站名不能以空格开头或结尾：读取输入文本时会去掉它们";
inline constexpr char kStationNameControl[] = "站名不能含有换行符或其他控制字符";
inline constexpr char kStationNameKeyword[] = "站名不能是“略”或“无”：它们在下行字段中另有含义";
inline constexpr char kStationNameNotGbk[] = "站名中有GBK不能表示的字符";

}  // namespace networkTexts
