#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/LogSink.h"

// One record of t.i with its station list from t.d: the five fields of the trip text and the
// names of the stations, in travel order.
struct TripRecord {
    std::string name;  // with its "a" or "b" suffix, if any
    std::string firstBus;
    std::string lastBus;
    std::string lineType;
    std::string extraInfo;
    std::vector<std::string> stations;
};

// The longest trip text kept, in bytes; a longer one is reported and cut.
inline constexpr std::size_t kMaxTripTextBytes = 511;

// Reads every record of t.i and its list in t.d (the whole file, whose offsets are absolute).
// A trip text of L bytes converts with a capacity of L bytes; a longer text than
// kMaxTripTextBytes is logged and cut; fields after the fifth are logged and dropped. A
// station number that is not below the number of station names is logged and skipped. Returns
// false, having logged where a file is damaged, when a count or length is negative, a record
// or list runs past the end of its file, or an offset does not point into t.d's records.
bool readTripRecords(std::string_view tripIndex, std::string_view tripStations,
                     const std::vector<std::string>& stationNames, std::vector<TripRecord>& records,
                     LogSink& log);
