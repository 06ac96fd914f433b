#pragma once

// What the feed importer reports. Kinds name a notice in the report, as GTFS validators name
// theirs, and stay ASCII for scripts; the texts a user reads are Chinese (GBK, as every
// literal), and a notice's detail is turned into UTF-8 with the feed texts it quotes.
namespace gtfsTexts {

// Opening the feed; reported with the feed's path as the file.
inline constexpr char kFeedMissing[] = "没有这个文件或文件夹";

// Reading a file.
inline constexpr char kUnreadable[] = "文件无法读取";
inline constexpr char kUnclosedQuote[] = "带引号的字段直到文件末尾都没有结束";
inline constexpr char kTextAfterQuote[] = "字段的结束引号之后还有文字";
inline constexpr char kRecordTooLong[] = "一条记录超过 1 MB（1048576 字节），不像是 GTFS 表格";
inline constexpr char kTooManyFields[] = "一条记录的字段超过 10000 个，不像是 GTFS 表格";
inline constexpr char kReadFailed[] = "读取失败：%s";
inline constexpr char kNotAFile[] = "这里应是一个普通文件，却是%s";
inline constexpr char kDirectoryKind[] = "文件夹";
inline constexpr char kPipeKind[] = "管道（FIFO）";
inline constexpr char kDeviceKind[] = "设备文件";
inline constexpr char kOtherKind[] = "无法识别的文件类型";

// Notice kinds that stop the import.
inline constexpr char kFeedUnreadable[] = "unreadable_feed";
inline constexpr char kMissingFile[] = "missing_required_file";
inline constexpr char kMissingColumn[] = "missing_required_column";
inline constexpr char kMalformedCsv[] = "malformed_csv";
inline constexpr char kUnknownRoute[] = "unknown_route";
inline constexpr char kUnknownTrip[] = "unknown_trip";
inline constexpr char kUnknownStop[] = "unknown_stop";
inline constexpr char kMalformedTime[] = "malformed_time";
inline constexpr char kMalformedNumber[] = "malformed_number";
inline constexpr char kMalformedDate[] = "malformed_date";
inline constexpr char kNoCalendar[] = "missing_calendar";
inline constexpr char kTooManyErrors[] = "too_many_errors";
inline constexpr char kTripTooLong[] = "too_many_stop_times";
inline constexpr char kDuplicatedColumn[] = "duplicated_column";
inline constexpr char kFeedTooLarge[] = "feed_too_large";

// Notice kinds that do not.
inline constexpr char kReplacedCharacter[] = "replaced_character";
inline constexpr char kTransliteratedLetter[] = "transliterated_letter";
inline constexpr char kSubstitutedSymbol[] = "substituted_symbol";
inline constexpr char kUnrepresentableCharacter[] = "unrepresentable_character";
inline constexpr char kDuplicateRouteName[] = "duplicate_route_name";
inline constexpr char kUnwritableRoute[] = "route_not_writable";
inline constexpr char kTimePastMidnight[] = "time_past_midnight";
inline constexpr char kTimeWithoutSeconds[] = "time_without_seconds";
inline constexpr char kUnknownRouteType[] = "unknown_route_type";
inline constexpr char kUnknownParent[] = "unknown_parent_station";
inline constexpr char kEmptyName[] = "empty_name";
inline constexpr char kDuplicateId[] = "duplicate_id";
inline constexpr char kRouteWithoutTrips[] = "route_without_trips";
inline constexpr char kUnsortedStopTimes[] = "stop_times_not_grouped_by_trip";
inline constexpr char kMissingFirstTime[] = "missing_first_departure";
inline constexpr char kFrequenciesExpanded[] = "frequency_trips_expanded";
inline constexpr char kDateOutsidePeriod[] = "date_outside_service_period";

// Details; "%s" is filled in order.
inline constexpr char kFileMissingDetail[] = "数据源中没有 %s";
inline constexpr char kColumnMissingDetail[] = "表头中没有 %s 列";
inline constexpr char kOneOfColumnsDetail[] = "表头中既没有 %s 也没有 %s";
inline constexpr char kUnknownIdDetail[] = "%s“%s”在 %s 中没有定义";
inline constexpr char kTimeDetail[] = "“%s”不是 H:MM:SS 形式的时间";
inline constexpr char kNumberDetail[] = "“%s”不是整数";
inline constexpr char kDateDetail[] = "“%s”不是 YYYYMMDD 形式的日期";
inline constexpr char kNoCalendarDetail[] =
    "--date 需要 calendar.txt 或 calendar_dates.txt，但数据源两者都没有";
inline constexpr char kTooManyErrorsDetail[] = "已报告 %s 个错误，其余的行不再检查";
inline constexpr char kReplacedDetail[] = "“%s”写作“%s”：%s";
inline constexpr char kCommaReason[] = "逗号用来分隔字段";
inline constexpr char kDashReason[] = "横线用来分隔站点";
inline constexpr char kLineBreakReason[] = "换行或控制字符会结束一行";
inline constexpr char kNotGbkReason[] = "GBK 没有这个字符";
inline constexpr char kDiacriticReason[] = "GBK 没有这个带附加符号的字母，写作其基本字母";
inline constexpr char kSymbolReason[] = "GBK 没有这个符号，写作相近的符号";
inline constexpr char kBracketReason[] = "以 [ 开头的表头值会被读作标记";
inline constexpr char kDuplicateNameDetail[] = "线路 %s 和 %s 都叫“%s”；后者写作“%s”";
inline constexpr char kUnwritableDetail[] = "线路“%s”没有写入：%s";
inline constexpr char kPastMidnightDetail[] = "%s 写作 %s（线路“%s”）";
inline constexpr char kWithoutSecondsDetail[] = "%s 个时间没有秒（H:MM），按整分读入";
inline constexpr char kRouteTypeDetail[] = "线路类型 %s 未知；写作“%s”";
inline constexpr char kUnknownParentDetail[] = "上级站点“%s”不在 stops.txt 中；该站点用自己的名称";
inline constexpr char kEmptyNameDetail[] = "名称为空；写作“%s”";
inline constexpr char kDuplicateIdDetail[] = "“%s”重复定义；保留第一行";
inline constexpr char kNoTripsDetail[] = "线路“%s”没有%s车次，没有写入";
inline constexpr char kOnDate[] = "当天运行的";
inline constexpr char kUnsortedDetail[] = "车次“%s”的各行不相邻；按车次分批重新读取该文件";
inline constexpr char kMissingFirstTimeDetail[] = "车次“%s”在首站没有时间，不计入首班车和末班车";
inline constexpr char kFrequenciesDetail[] =
    "%s 个车次按 frequencies.txt 的发车间隔展开；首班车和末班车取自展开后的发车时间";
inline constexpr char kDateOutsideDetail[] = "%s 不在数据源的服务期 %s 至 %s 之内，没有车次运行";
inline constexpr char kDuplicatedColumnDetail[] =
    "表头中“%s”出现了两次（第 %s 列和第 %s 列），不知该读哪一列";
inline constexpr char kTripTooLongDetail[] = "车次“%s”的停站时刻超过 %s 条，不像是真实的车次";
inline constexpr char kFeedTooLargeDetail[] =
    "要保存的数据超过 %s MB，远大于一个城市的公交数据；导入到此为止";

// Options.
inline constexpr char kBadDateOption[] = "--date 必须是 YYYYMMDD 形式的日期：";

// Summary on standard error and its JSON twin.
inline constexpr char kNoticeLine[] = "%s:%s: %s: %s: %s: %s\n";
inline constexpr char kFileNoticeLine[] = "%s: %s: %s: %s\n";
inline constexpr char kSummary[] = "已导入 %s 条线路，用了 %s 个车次，%s 个站点\n";
inline constexpr char kKindCount[] = "  %s %s: %s\n";
inline constexpr char kNoticesNotListed[] = "    其余 %s 条没有逐条列出\n";
inline constexpr char kFailed[] = "导入失败；没有写入任何内容\n";

}  // namespace gtfsTexts
