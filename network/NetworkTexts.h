#pragma once

// What lint, diff and rename tell a volunteer. Lint has one message per kind of notice, saying
// what was found, quoting the text, and what to do. Literals are compiled to GBK; each "%s" is
// filled in order.
namespace networkTexts {

// Where the first use of a name stands: a line of the input text, or a route of a data folder.
inline constexpr char kAtLine[] = "第%s行";
inline constexpr char kAtRoute[] = "第%s条线路";
inline constexpr char kUp[] = "上行";
inline constexpr char kDown[] = "下行";
// A list of lines that use a spelling, cut after a few.
inline constexpr char kListSeparator[] = "、";
inline constexpr char kAndMore[] = "等%s条线路";
inline constexpr char kSpellingUsedBy[] = "「%s」（%s）";

// Filled with the name and where it was first used.
inline constexpr char kDuplicateLineName[] =
    "线路名「%s」在%s已经用过：手机上会出现两条同名线路。请给其中一条改名，或把两行合并";
inline constexpr char kMalformedTime[] =
    "时间「%s」不是“时:分”的写法（半角数字和半角冒号，分钟00至59，小时不超过47，如6:30）："
    "请改正";
// Filled with the first and the last bus time.
inline constexpr char kLastBeforeFirst[] =
    "末班车「%s」早于首班车「%s」：若是过午夜的夜班线路，可以接受；否则请改正";
// Filled with the station, the direction and the count.
inline constexpr char kRepeatedStation[] =
    "站点「%s」在%s出现了%s次（只有环线的首末站可以相同）：请检查是否重复录入";
// Filled with the direction's field.
inline constexpr char kEmptyStation[] =
    "站点列表「%s」中有空站名（连写的“--”或开头、结尾的“-”），空站名会被丢掉：请补上站名或删去"
    "多余的“-”";
// Filled with the typed name and the station that is stored instead (twice).
inline constexpr char kStartMismatch[] =
    "起点站写的是「%s」，上行第一站却是「%s」：起点站名不会保存，手机上显示「%s」。请把两处改成"
    "一致";
inline constexpr char kTerminalMismatch[] =
    "终点站写的是「%s」，上行最后一站却是「%s」：终点站名不会保存，手机上显示「%s」。请把两处改成"
    "一致";
// Filled with the up direction's ends, then the down direction's ends.
inline constexpr char kDownEndsDiffer[] =
    "上行从「%s」到「%s」，下行却从「%s」到「%s」：若下行确实另走他站，可以接受；否则请核对";
// Filled with the list of spellings and the lines that use them.
inline constexpr char kSimilarStationNames[] =
    "同一站名有几种写法（全角半角或空格不同），手机上会成为不同的站，换乘也会断开：%s。"
    "请统一成一种写法";
// Filled with the two names and a station next to both.
inline constexpr char kCloseStationNames[] =
    "站名「%s」和「%s」只差方向、“站”之类的后缀或一个字，又都与「%s」相邻：常是两个不同的站，"
    "也可能是笔误，请核对";
// Filled with the number of fields.
inline constexpr char kFieldCount[] =
    "这一行有%s个字段，应为11个（用半角逗号“,”分隔）：其后的字段都错了位，请补齐或删去多余的"
    "逗号";
// Added to kFieldCount when full-width marks would make eleven fields as separators.
inline constexpr char kFullWidthComma[] = "。行中有全角逗号“，”，换成半角“,”正好是11个字段";
inline constexpr char kFullWidthHyphen[] = "。行中有全角“－”，它不分隔站点也不分隔字段";
inline constexpr char kNoUpStations[] =
    "这一行没有上行站点：转换会在这一行停下。请在第9个字段填写上行站点，用“-”分隔";
// Filled with the marker as typed and as it must be written.
inline constexpr char kMarkerCase[] =
    "标记「%s」的大小写不对，应写作「%s」：它没有被认出，表头在此结束，后面的行都被当作线路";
// Filled with the marker line.
inline constexpr char kUnknownMarker[] =
    "不认识的标记「%s」：表头在此结束，后面的行都被当作线路。表头标记只有[city]、[date]、"
    "[author]、[memo]，以[datasection]结束";
// Filled with the marker and the line taken as its value.
inline constexpr char kMarkerValueMissing[] =
    "标记「%s」下面缺少取值行：下一行「%s」被当作了它的值。请在标记下面一行填写取值";
inline constexpr char kMarkerValueAtEnd[] = "标记「%s」下面没有取值行，文件就结束了";
// Filled with the two terminal times.
inline constexpr char kOneWayTerminalTimes[] =
    "这条线路没有下行，终点站的首末班时间「%s」「%s」不会保存：若有下行，请填写下行站点或“略”";
// The comment that opens an accepted list.
inline constexpr char kAcceptedListHeading[] =
    "# velorin-cli lint 的接受列表：每行一条已确认无误、不再显示的提示。\n"
    "# 各项以制表符分隔：类别、线路名、涉及的站名或文字。删去一行，它的提示就会再次显示。\n";
// Filled with the path of an accepted list that cannot be read.
inline constexpr char kAcceptedListUnreadable[] = "读不到接受列表%s";
// Filled with the line of the accepted list.
inline constexpr char kAcceptedUnmatched[] = "接受列表中的这一行已不对应任何提示，可以删去：%s";

// The summary after the notices.
inline constexpr char kSummary[] = "共%s条提示：错误%s条，警告%s条，信息%s条\n";
inline constexpr char kSummaryAccepted[] = "另有%s条提示已在接受列表中，未列出\n";
inline constexpr char kKindCount[] = "  %s %s: %s\n";
// Placement of a notice: by line of an input text, or by route and direction of a folder;
// then the field (if any), severity, kind and detail.
inline constexpr char kNoticeAtLine[] = "%s:%s: %s: %s: %s: %s\n";
inline constexpr char kNoticeAtLineNoField[] = "%s:%s: %s: %s: %s\n";
inline constexpr char kNoticeAtRoute[] = "%s: %s(%s): %s: %s: %s: %s\n";
inline constexpr char kNoticeAtRouteNoField[] = "%s: %s(%s): %s: %s: %s\n";
inline constexpr char kNoticeInFolder[] = "%s: %s: %s: %s\n";

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
// Filled with what changed and the stations it changed for.
inline constexpr char kDiffStationGroup[] = "  %s：%s\n";
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
