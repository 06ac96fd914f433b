#pragma once

// What the feed importer reports. Kinds name a notice in the report, as GTFS validators name
// theirs; the detail texts follow them. All are ASCII, so they read the same in UTF-8 and GBK.
namespace gtfsTexts {

// Opening the feed; reported with the feed's path as the file.
inline constexpr char kFeedMissing[] = "no such file or directory";
inline constexpr char kNotAZip[] = "not a readable zip archive: ";
// Why a zip archive is not readable; each follows kNotAZip.
inline constexpr char kZipNoEnd[] =
    "it has no end of central directory record (not a zip "
    "archive, or cut short)";
inline constexpr char kZipDirectoryOutside[] =
    "its central directory lies outside the file (cut short or damaged)";
inline constexpr char kZipDamagedDirectory[] = "its central directory is damaged";
inline constexpr char kZipSeveralDisks[] = "it spans several disks";

// Reading a file.
inline constexpr char kUnreadable[] = "the file cannot be read";
inline constexpr char kReadFailed[] = u8"读取失败：%s";
inline constexpr char kArchiveEndsEarly[] = u8"压缩包比目录所记录的短（被截断或已损坏）";
inline constexpr char kNotAFile[] = u8"这里应是一个普通文件，却是%s";
inline constexpr char kDirectoryKind[] = u8"目录";
inline constexpr char kPipeKind[] = u8"管道（FIFO）";
inline constexpr char kDeviceKind[] = u8"设备文件";
inline constexpr char kSocketKind[] = u8"套接字";
inline constexpr char kOtherKind[] = u8"无法识别的文件类型";
inline constexpr char kZipEncrypted[] = u8"压缩包中的这个文件已加密，无法读取";
inline constexpr char kZipMethod[] =
    u8"压缩包中的这个文件以 %s 压缩，只能读取未压缩（stored）或 deflate 压缩的文件";
inline constexpr char kZipMethodNumber[] = u8"编号 %s 的方法";
inline constexpr char kZipDamagedEntry[] = u8"压缩包中这个文件的本地文件头已损坏";
inline constexpr char kZipCrcMismatch[] =
    u8"压缩包中的这个文件已损坏：解出的内容与目录记录的 CRC-32 校验值不符";
inline constexpr char kZipSizeMismatch[] =
    u8"压缩包中的这个文件已损坏：解出的大小与目录记录的 %s 字节不符";
inline constexpr char kZipDeflateDamaged[] = u8"压缩包中的这个文件已损坏：deflate 压缩数据有误";
inline constexpr char kZipDeflateCut[] = u8"压缩包中的这个文件不完整：deflate 压缩数据提前结束";
// Chinese texts are u8 literals, since the report is UTF-8 whatever the narrow literals are.
inline constexpr char kUnclosedQuote[] = u8"引号中的字段直到文件结尾都没有闭合";
inline constexpr char kTextAfterQuote[] = u8"字段的闭合引号后面还有文字";
inline constexpr char kRecordTooLong[] =
    u8"一条记录超过 1 MB（1048576 字节），不像是 GTFS 表格，读到这里为止";

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
inline constexpr char kTripTooLong[] = "too_many_stop_times";
inline constexpr char kDuplicatedColumn[] = "duplicated_column";

// Notice kinds that do not.
inline constexpr char kReplacedCharacter[] = "replaced_character";
inline constexpr char kDuplicateRouteName[] = "duplicate_route_name";
inline constexpr char kTimePastMidnight[] = "time_past_midnight";
inline constexpr char kUnknownRouteType[] = "unknown_route_type";
inline constexpr char kUnknownParent[] = "unknown_parent_station";
inline constexpr char kEmptyName[] = "empty_name";
inline constexpr char kDuplicateId[] = "duplicate_id";
inline constexpr char kRouteWithoutTrips[] = "route_without_trips";
inline constexpr char kUnsortedStopTimes[] = "stop_times_not_grouped_by_trip";
inline constexpr char kMissingFirstTime[] = "missing_first_departure";

// Details; "%s" is filled in order.
inline constexpr char kFileMissingDetail[] = "the feed has no %s";
inline constexpr char kColumnMissingDetail[] = "the header has no column %s";
inline constexpr char kOneOfColumnsDetail[] = "the header has neither %s nor %s";
inline constexpr char kUnknownIdDetail[] = "%s \"%s\" is not defined in %s";
inline constexpr char kTimeDetail[] = "\"%s\" is not a time H:MM:SS";
inline constexpr char kNumberDetail[] = "\"%s\" is not a whole number";
inline constexpr char kDateDetail[] = "\"%s\" is not a date YYYYMMDD";
inline constexpr char kNoCalendarDetail[] =
    "--date needs calendar.txt or calendar_dates.txt, and the feed has neither";
inline constexpr char kReplacedDetail[] = "\"%s\" written as \"%s\": %s";
inline constexpr char kCommaReason[] = "a comma separates fields";
inline constexpr char kDashReason[] = "a dash separates stations";
inline constexpr char kLineBreakReason[] = "a line break or control character ends a line";
inline constexpr char kNotGbkReason[] = "GBK has no such character";
inline constexpr char kBracketReason[] = "a header value starting with [ reads as a marker";
inline constexpr char kDuplicateNameDetail[] =
    "routes %s and %s are both named \"%s\"; the second is written as \"%s\"";
inline constexpr char kPastMidnightDetail[] = "%s is written as %s for route \"%s\"";
inline constexpr char kRouteTypeDetail[] = "route type %s is not known; written as \"%s\"";
inline constexpr char kUnknownParentDetail[] =
    "parent station \"%s\" is not in stops.txt; the stop keeps its own name";
inline constexpr char kEmptyNameDetail[] = "the name is empty; written as \"%s\"";
inline constexpr char kDuplicateIdDetail[] = "\"%s\" is defined again; the first row is kept";
inline constexpr char kNoTripsDetail[] = "route \"%s\" has no trips%s and is left out";
inline constexpr char kOnDate[] = " that run on the date";
inline constexpr char kUnsortedDetail[] =
    "rows of trip \"%s\" are not together; the file is read again in batches of trips";
inline constexpr char kDuplicatedColumnDetail[] =
    u8"表头中“%s”出现了两次（第 %s 列和第 %s 列），不知该读哪一列";
inline constexpr char kTripTooLongDetail[] = u8"行程“%s”的停站时刻超过 %s 条，不像是真实的行程";
inline constexpr char kMissingFirstTimeDetail[] =
    "trip \"%s\" has no time at its first stop and counts for no first or last bus";

// Options.
inline constexpr char kBadDateOption[] = "--date must be a date YYYYMMDD: ";

// Summary on standard error and its JSON twin.
inline constexpr char kNoticeLine[] = "%s:%s: %s: %s: %s: %s\n";
inline constexpr char kFileNoticeLine[] = "%s: %s: %s: %s\n";
inline constexpr char kSummary[] = "imported %s routes, %s trips used, %s stops\n";
inline constexpr char kKindCount[] = "  %s %s: %s\n";
inline constexpr char kNoticesNotListed[] = u8"    其余 %s 条未逐条列出\n";
inline constexpr char kFailed[] = "import failed; nothing was written\n";

}  // namespace gtfsTexts
