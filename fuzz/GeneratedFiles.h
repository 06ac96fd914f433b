#pragma once

#include <array>
#include <string>

#include "RouteDatabase.h"

// The files that the loader reads, built in memory as the generator writes them, in the order
// of kLoadedFiles. Empty when the generator would write nothing (a limit exceeded) or when
// no station is written, which the loader refuses by design.
bool buildLoadedFiles(const RouteDatabase& database, std::array<std::string, 4>& files);

// The fuzzers' oracle: false only when the generator writes files that the loader calls
// damaged, which must never happen.
bool generatedFilesLoad(const RouteDatabase& database);
