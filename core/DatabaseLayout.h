#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/NumberList.h"
#include "core/RouteTable.h"
#include "core/TripText.h"

// What the four binary data files will hold, worked out before anything is written. A station
// name or trip text that does not convert to UTF-16 within the record limit is left out here,
// before numbering, so that every count and every station or trip number in the files refers
// to a record that is written. A route whose up or down trip text does not convert is left
// out with both directions.
struct StationPlan {
    std::string_view name;
    bool converts = false;
    std::u16string_view wideName;
    NumberList trips;  // ascending trip numbers of the trips that stop here
};

struct TripPlan {
    std::u16string_view wideText;
    NumberList stations;  // station numbers in travel order, left-out stations skipped
};

struct RoutePlan {
    TripTextParts texts;
    std::size_t upStationCount = 0;  // entries of the up list, left-out stations included
    std::size_t downStationCount = 0;
    bool upConverts = false;
    bool downConverts = false;
    int upTrip = -1;  // trip number; the down trip follows it. -1 when the route is left out
};

// The texts and lists of the plans are views into arrays that the layout keeps, one for each
// kind: a city at the limits has half a million list entries and tens of thousands of texts.
// Station names are views into the route table, which must outlive the layout.
class DatabaseLayout {
public:
    std::vector<StationPlan> stations;  // every distinct name, in byte order
    std::vector<RoutePlan> routes;      // one per route of the table, in order
    std::vector<TripPlan> trips;        // the trips that are written, in trip-number order
    std::size_t writtenStationCount = 0;

    explicit DatabaseLayout(const RouteTable& table);
    DatabaseLayout(const DatabaseLayout&) = delete;
    DatabaseLayout& operator=(const DatabaseLayout&) = delete;

private:
    std::u16string wideTexts_;
    std::vector<int> tripStations_;
    std::vector<int> stationTrips_;
};

// Capacity, in UTF-16 code units with the terminator, of a station name or trip text record.
inline constexpr std::size_t kRecordTextCapacity = 512;
