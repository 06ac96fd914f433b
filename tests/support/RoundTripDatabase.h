#pragma once

#include <cstdint>
#include <random>

#include "core/RouteDatabase.h"

// Random valid databases for the round-trip tests and the fuzzing seeds. Texts are GBK (in a
// GCC build) and hold no ",", station names no "-", and no text starts or ends with a space,
// so that both the data files and the input text format can hold every route exactly. Some
// names end in "a" or "b", or in a double-byte character whose second byte is 0x61 or 0x62,
// but never so that a one-direction line named X+"a" is followed by one named X+"b", which
// the files cannot tell from one line of two directions. Every route has up stations; a down
// list is empty, the reversed up list or another list, never the up list in the same order.
void fillRoundTripDatabase(RouteDatabase& database, std::uint32_t seed);
