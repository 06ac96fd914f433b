#pragma once

#include <string>

#include "core/Route.h"

// The texts that the trip index stores for the two directions of a route: the name with
// "a" (up, when there is a down direction) or "b" (down), the times of the end the trip
// leaves from, the line type and the extra information, joined with ",". Each replaces what
// out held, so that building the texts of many routes reuses one buffer.
void upTripText(const Route& route, std::string& out);
void downTripText(const Route& route, std::string& out);
