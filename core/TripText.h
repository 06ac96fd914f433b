#pragma once

#include <string>

#include "core/Route.h"

// The texts that the trip index stores for the two directions of a route: the name with
// "a" (up, when there is a down direction) or "b" (down), the times of the end the trip
// leaves from, the line type and the extra information, joined with ",".
std::string upTripText(const Route& route);
std::string downTripText(const Route& route);
