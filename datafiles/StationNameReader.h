#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/LogSink.h"

// Reads the station names from the bytes of s.i, indexed by station number; the offsets into
// s.d are skipped. A name of L bytes converts with a capacity of 2 * L bytes. Returns false,
// having logged where the file is damaged, when a count or length is negative or a record
// runs past the end of the file.
bool readStationNames(std::string_view stationIndex, std::vector<std::string>& names, LogSink& log);
