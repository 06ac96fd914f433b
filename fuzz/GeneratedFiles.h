#pragma once

#include <string>

#include "core/RouteDatabase.h"
#include "fuzz/FuzzInput.h"

// The five data files built in memory as the generator writes them, in the order of
// kFuzzedFiles. False when the generator would write nothing (a limit exceeded) or no station,
// which the loader refuses by design.
bool buildDataFiles(const RouteDatabase& database,
                    std::array<std::string, kFuzzedFiles.size()>& files);

// The fuzzers' oracle: false only when the generator writes files that the loader calls
// damaged, which must never happen.
bool generatedFilesLoad(const RouteDatabase& database);
