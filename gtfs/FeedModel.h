#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gtfs/IdIndex.h"
#include "gtfs/ImportBudget.h"
#include "gtfs/StopSequences.h"

// What the importer keeps of a feed: routes, stops and trips, and for each trip only its
// interned stop sequence and its first departure, so that memory does not grow with the rows
// of stop_times.txt. Feed texts are kept in UTF-8 as read.

struct FeedAgency {
    std::string name;
    std::size_t row = 0;
};

struct FeedStop {
    std::string name;
    std::string parentId;
    std::size_t row = 0;
    std::uint32_t station = 0;  // the stop whose name this stop goes by: its parent or itself
};

struct FeedRoute {
    std::string id;
    std::string shortName;
    std::string longName;
    std::string type;
    std::size_t row = 0;
};

constexpr std::int32_t kNoTime = -1;

struct FeedTrip {
    std::uint32_t route = 0;
    std::int8_t direction = -1;  // direction_id 0 or 1; -1 when the feed gives none
    bool runs = true;            // false when --date excludes it
    std::int32_t sequence = -1;  // in StopSequences; -1 until its stop times are read
    // The earliest and latest departure from the first stop, and the rows they come from:
    // one stop_times.txt row, or the frequencies.txt windows that repeat the trip.
    std::int32_t firstDeparture = kNoTime;
    std::int32_t lastDeparture = kNoTime;
    std::uint32_t firstDepartureRow = 0;
    std::uint32_t lastDepartureRow = 0;
    bool repeated = false;  // by frequencies.txt
};

struct FeedModel {
    ImportBudget budget;
    std::vector<FeedAgency> agencies;
    std::string feedStartDate;  // feed_info.txt, YYYYMMDD, empty when absent
    std::string feedEndDate;

    std::vector<FeedStop> stops;  // numbered as stopIds
    IdIndex stopIds;
    std::vector<FeedRoute> routes;
    IdIndex routeIds;
    std::vector<FeedTrip> trips;
    IdIndex tripIds;
    StopSequences sequences;
    // Whether stops.txt and trips.txt were read, so that what names their ids can look them up.
    bool stopsRead = false;
    bool tripsRead = false;
};
