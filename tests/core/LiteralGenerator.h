#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Route.h"

// The generator's station pass written the direct way: an ordered map of names, and for each
// station a scan of every list of every route. Slow, but plainly right; the real generator
// must write the same bytes. Assumes every text converts.
struct LiteralFiles {
    std::string stationIndex, stationTrips, tripIndex, tripStations;
};

LiteralFiles literalGenerate(const std::vector<std::unique_ptr<Route>>& routes);
