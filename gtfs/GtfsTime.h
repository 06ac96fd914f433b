#pragma once

#include <string>
#include <string_view>

// Times of day and dates as GTFS writes them.

// "H:MM:SS" or "HH:MM:SS" with up to three hour digits: a service day's times run past
// 24:00:00 for trips after midnight. "H:MM" is read too, setting withoutSeconds, since some
// feeds write their times so. False for anything else.
bool parseGtfsTime(std::string_view text, int& seconds, bool& withoutSeconds);

// "H:MM", the form of the input text; hours past 23 stay as they are.
std::string formatBusTime(int seconds);

// A date "YYYYMMDD" as its number of days since 1970-01-01; false when it is no calendar date.
bool parseGtfsDate(std::string_view text, long& days);

// Monday 0 to Sunday 6.
int weekdayOf(long days);

// "YYYY-MM-DD".
std::string formatDate(long days);
