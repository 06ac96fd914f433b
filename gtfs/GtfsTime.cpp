#include "gtfs/GtfsTime.h"

#include <cstdio>

namespace {

bool readDigits(std::string_view text, std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// Days between 1970-01-01 and a date of the proleptic Gregorian calendar.
long daysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - static_cast<int>(era * 400);
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long days, int& year, int& month, int& day) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

}  // namespace

bool parseGtfsTime(std::string_view text, int& seconds, bool& withoutSeconds) {
    const std::size_t colon = text.find(':');
    withoutSeconds = text.size() == colon + 3;
    if (colon == 0 || colon == std::string_view::npos || colon > 3 ||
        (!withoutSeconds && (text.size() != colon + 6 || text[colon + 3] != ':'))) {
        return false;
    }
    int hours = 0;
    int minutes = 0;
    int secs = 0;
    if (!readDigits(text, 0, colon, hours) || !readDigits(text, colon + 1, 2, minutes) ||
        (!withoutSeconds && !readDigits(text, colon + 4, 2, secs)) || minutes > 59 || secs > 59) {
        return false;
    }
    seconds = (hours * 60 + minutes) * 60 + secs;
    return true;
}

std::string formatBusTime(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 3600, seconds / 60 % 60);
    return text;
}

bool parseGtfsDate(std::string_view text, long& days) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (text.size() != 8 || !readDigits(text, 0, 4, year) || !readDigits(text, 4, 2, month) ||
        !readDigits(text, 6, 2, day) || month < 1 || month > 12 || day < 1) {
        return false;
    }
    days = daysFromCivil(year, month, day);
    int checkYear = 0;
    int checkMonth = 0;
    int checkDay = 0;
    civilFromDays(days, checkYear, checkMonth, checkDay);
    return checkMonth == month && checkDay == day;
}

int weekdayOf(long days) {
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((days % 7) + 7 + 3) % 7);
}

std::string formatDate(long days) {
    int year = 0;
    int month = 0;
    int day = 0;
    civilFromDays(days, year, month, day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}
