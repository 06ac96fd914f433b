#include "network/TimeOfDay.h"

namespace {

constexpr int kLastHour = 47;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool readTimeOfDay(std::string_view text, int& minutes) {
    const std::size_t colon = text.find(':');
    if (colon != 1 && colon != 2) {
        return false;
    }
    if (text.size() != colon + 3) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && !isDigit(text[i])) {
            return false;
        }
    }
    int hours = 0;
    for (std::size_t i = 0; i < colon; ++i) {
        hours = hours * 10 + (text[i] - '0');
    }
    const int minute = (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0');
    if (hours > kLastHour || minute > 59) {
        return false;
    }
    minutes = hours * 60 + minute;
    return true;
}
