#pragma once

// Helpers of the tests that read data files back: hand-made files and files in memory.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/LogSink.h"
#include "datafiles/Loader.h"
#include "tests/support/TestSupport.h"

// The messages of one level, in order.
std::vector<std::string> messagesAt(const RecordingLog& log, LogLevel level);

// A new empty directory inside scratch.
std::string makeDirectory(const TempDir& scratch, const std::string& name);

// Data files put together record by record, independent of the generator: a station index
// with the given names (their s.d offsets as the generator would set them for one trip each)
// and a trip index with its t.d, records in the order given.
struct HandMadeTrip {
    std::string text;
    std::vector<int> stations;
};
std::string stationIndexBytes(const std::vector<std::string>& names);
struct TripFileBytes {
    std::string tripIndex;
    std::string tripStations;
};
TripFileBytes tripFileBytes(const std::vector<HandMadeTrip>& trips);

// Data files held in memory; remembers which files the loader asked for, in order.
struct MemoryFiles {
    std::map<std::string, std::string> files;
    std::vector<std::string> asked;

    DataFileSource source();
};
