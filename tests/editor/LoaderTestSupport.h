#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "Loader.h"
#include "LogSink.h"

// Collects every message with its level.
class RecordingLog : public LogSink {
public:
    struct Message {
        LogLevel level;
        std::string text;
    };

    void log(LogLevel level, const char* message) override { messages.push_back({level, message}); }

    int count(LogLevel level) const;
    bool has(LogLevel level, std::string_view text) const;
    // The texts of the messages of one level, in order.
    std::vector<std::string> texts(LogLevel level) const;

    std::vector<Message> messages;
};

// The value encodings, written by hand for golden data.
std::string twoByte(int n);
std::string threeByte(int p);
// UTF-16LE bytes of a GBK text.
std::string utf16(std::string_view gbk);
std::string countedText(std::string_view gbk);

// Data files put together record by record, independent of the generator: a station index
// with the given names (their s.d offsets as the generator would set them for one trip each)
// and a trip index with its t.d, records in the order given.
struct TripSpec {
    std::string text;
    std::vector<int> stations;
};
std::string stationIndexBytes(const std::vector<std::string>& names);
struct TripFileBytes {
    std::string tripIndex;
    std::string tripStations;
};
TripFileBytes tripFileBytes(const std::vector<TripSpec>& trips);

// Data files held in memory; remembers which files the loader asked for, in order.
struct MemoryFiles {
    std::map<std::string, std::string> files;
    std::vector<std::string> asked;

    DataFileSource source();
};
