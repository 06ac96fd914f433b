#pragma once

#include <memory>
#include <vector>

#include "core/Route.h"
#include "datafiles/TripRecords.h"

// Builds the routes from the trip records, paired into lines by their names. A line of two
// directions takes its name from the down record without the "b", its start times and up
// stations from the up record, and its terminal times, line type, extra information and down
// stations from the down record. A line of one direction keeps its record's name as it stands.
// The station texts of the two ends stay empty: the files do not hold them.
std::vector<std::unique_ptr<Route>> assembleRoutes(std::vector<TripRecord>& records);
