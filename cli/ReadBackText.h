#pragma once

// What the two commands that read data files back, dump and check, print of their own.
namespace readBackText {

// dump: what the input format cannot say. Printed as "line N (NAME): TEXT".
inline constexpr char kDumpProblem[] = "warning: line %s (%s): %s\n";
inline constexpr char kDumpHeaderProblem[] = "warning: line %s: %s\n";
inline constexpr char kDumpHeaderValue[] =
    "a header value holds a line break or starts with \"[\", which the format cannot hold";
inline constexpr char kDumpComma[] = "a text holds \",\", which converting reads as a separator";
inline constexpr char kDumpDash[] =
    "a station name holds \"-\", which converting reads as a station separator";
inline constexpr char kDumpEmptyStation[] = "a station name is empty, which converting drops";
inline constexpr char kDumpLineBreak[] =
    "a text holds a line break, Ctrl-Z or NUL, which ends the line when converting";
inline constexpr char kDumpEdgeSpaces[] =
    "a field starts or ends with a space, which converting removes";
inline constexpr char kDumpDownSameOrder[] =
    "the down stations equal the up stations in the same order, which converting reverses";
inline constexpr char kDumpDownKeyword[] =
    "the down list is one station named \"略\" or \"无\", which converting reads as a word";
inline constexpr char kDumpNoUpStations[] = "the line has no up station; converting stops here";
inline constexpr char kDumpFieldTooLong[] =
    "a field is longer than 2047 bytes, which converting cuts";
inline constexpr char kDumpLineTooLong[] =
    "the line is longer than 4095 bytes, which converting reads in pieces";

// check: "FILE:OFFSET: TEXT" for each problem, then the count or the summary.
inline constexpr char kCheckProblem[] = "%s:%s: %s\n";
inline constexpr char kCheckSummary[] = "ok: %s stations, %s trips, %s lines\n";
inline constexpr char kCheckFailed[] = "%s problems found\n";
inline constexpr char kCheckMissing[] = "the file cannot be opened";
inline constexpr char kCheckNoByteOrderMark[] = "the file does not start with FF FE";
inline constexpr char kCheckReadmeMarkers[] =
    "[city], [date], [author] and [memo] are not all there in this order";
// Filled with what was being read and the file's length.
inline constexpr char kCheckPastEnd[] = "the %s runs past the end of the file (%s bytes)";
inline constexpr char kCheckHighByte[] = "the %s has a byte of 128 or more";
inline constexpr char kCheckOddLength[] = "the %s is odd: %s";
inline constexpr char kCheckTrailing[] = "%s bytes follow the last record";
inline constexpr char kCheckHeaderLength[] =
    "the header gives %s bytes after it, but the file has %s";
// Filled with the record's number, the offset found and the offset where the record is.
inline constexpr char kCheckOffset[] = "record %s points to offset %s, but its record is at %s";
// Filled with the record's number, the offset and the file's length.
inline constexpr char kCheckOffsetOutside[] =
    "record %s points to offset %s, outside the records of %s (%s bytes)";
inline constexpr char kCheckStationNumber[] =
    "trip %s stops at station %s, which is not below the station count %s";
inline constexpr char kCheckTripNumber[] =
    "station %s lists trip %s, which is not below the trip count %s";
inline constexpr char kCheckNotAscending[] = "the trips of station %s are not in ascending order";
inline constexpr char kCheckTripsDiffer[] =
    "station %s lists the trips [%s], but the trips that stop there are [%s]";
inline constexpr char kCheckNameOrder[] =
    "station %s (%s) does not sort after the station before it";

// What was being read, for kCheckPastEnd, kCheckHighByte and kCheckOddLength.
inline constexpr char kStationCount[] = "station count";
inline constexpr char kTripCount[] = "trip count";
inline constexpr char kStationRecord[] = "station record";
inline constexpr char kTripRecord[] = "trip record";
inline constexpr char kTextLength[] = "text length";
inline constexpr char kLengthHeader[] = "length header";
inline constexpr char kTripList[] = "trip list";
inline constexpr char kStationList[] = "station list";
inline constexpr char kListLength[] = "list length";

}  // namespace readBackText
