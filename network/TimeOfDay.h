#pragma once

#include <string_view>

// A bus time as the phone shows it: "H:MM" or "HH:MM" in ASCII digits, minutes 00 to 59 and
// hours up to 47 (a night line's times after midnight). Sets minutes since midnight; false for
// anything else, full-width digits or colon included.
bool readTimeOfDay(std::string_view text, int& minutes);

inline constexpr int kMinutesPerDay = 24 * 60;
