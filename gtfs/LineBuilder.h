#pragma once

#include <cstdint>

#include "core/Route.h"
#include "gtfs/DirectionPlan.h"
#include "gtfs/FeedModel.h"
#include "gtfs/ImportReport.h"
#include "gtfs/StopNames.h"

// Writes one feed route as one line of the input text: its name (route_short_name, else
// route_long_name), the stations of both directions, the first and last bus from the first
// station of each direction, its line type, and route_long_name as extra information when it
// is not already the name. The plan must have an up direction.
Route buildLine(const FeedModel& model, std::uint32_t route, const DirectionPlan& plan,
                StopNames& names, ImportReport& report);
