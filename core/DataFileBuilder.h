#pragma once

#include <string>

#include "core/DatabaseLayout.h"
#include "core/LogSink.h"
#include "core/Route.h"

// Builds the bytes of the data files from a layout, logging a warning for every record that
// is left out and for every limit of 128 that a record reaches.

struct StationFiles {
    std::string stationIndex;  // s.i
    std::string stationTrips;  // s.d
};

struct TripFiles {
    std::string tripIndex;     // t.i
    std::string tripStations;  // t.d
};

StationFiles buildStationFiles(const DatabaseLayout& layout, LogSink& log);
TripFiles buildTripFiles(const DatabaseLayout& layout, LogSink& log);
std::string buildReadme(const DatabaseHeader& header);
