#pragma once

#include <string>
#include <string_view>

#include "core/Route.h"

// The texts of a route that its trip texts are made of, as views into a Route or into the
// input text, which must outlive them.
struct TripTextParts {
    std::string_view name;
    std::string_view startFirstBus;
    std::string_view startLastBus;
    std::string_view terminalFirstBus;
    std::string_view terminalLastBus;
    std::string_view lineType;
    std::string_view extraInfo;
    bool hasDownDirection = false;
};

TripTextParts tripTextParts(const Route& route);

// The texts that the trip index stores for the two directions of a route: the name with
// "a" (up, when there is a down direction) or "b" (down), the times of the end the trip
// leaves from, the line type and the extra information, joined with ",". Each replaces what
// out held, so that building the texts of many routes reuses one buffer.
void upTripText(const TripTextParts& route, std::string& out);
void downTripText(const TripTextParts& route, std::string& out);
