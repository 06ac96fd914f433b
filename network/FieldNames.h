#pragma once

// The names by which notices, comparisons and JSON outputs name the fields of an input text:
// the eleven fields of a data line in their order, and the four header texts. Scripts read
// them, so they stay ASCII and never change.
namespace fieldNames {

inline constexpr const char* kDataLine[] = {
    "name",          "start", "start_first", "start_last", "terminal", "terminal_first",
    "terminal_last", "type",  "up",          "down",       "extra"};
inline constexpr int kDataLineFieldCount = 11;

inline constexpr const char* kName = kDataLine[0];
inline constexpr const char* kStart = kDataLine[1];
inline constexpr const char* kStartFirst = kDataLine[2];
inline constexpr const char* kStartLast = kDataLine[3];
inline constexpr const char* kTerminal = kDataLine[4];
inline constexpr const char* kTerminalFirst = kDataLine[5];
inline constexpr const char* kTerminalLast = kDataLine[6];
inline constexpr const char* kType = kDataLine[7];
inline constexpr const char* kUp = kDataLine[8];
inline constexpr const char* kDown = kDataLine[9];
inline constexpr const char* kExtra = kDataLine[10];

inline constexpr const char* kCity = "city";
inline constexpr const char* kDate = "date";
inline constexpr const char* kAuthor = "author";
inline constexpr const char* kMemo = "memo";

}  // namespace fieldNames
