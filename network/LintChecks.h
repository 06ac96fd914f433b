#pragma once

#include <vector>

#include "network/LintedRoute.h"
#include "network/StationIndex.h"

// The checks that an input text and a data folder share, on routes and their numbered names.

// Each route on its own (times, station lists, typed ends), and line names used twice.
void checkRoutes(const std::vector<LintedRoute>& routes, const StationIndex& index,
                 LintNotices& notices);
// The station names of all routes together: one station typed two ways, or two close names.
void checkStationNames(const std::vector<LintedRoute>& routes, const StationIndex& index,
                       LintNotices& notices);

// Both, in this order.
inline void checkNetwork(const std::vector<LintedRoute>& routes, LintNotices& notices) {
    const StationIndex index(routes);
    checkRoutes(routes, index, notices);
    checkStationNames(routes, index, notices);
}
