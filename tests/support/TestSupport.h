#pragma once

// Helpers of every test: a recording log, scratch directories, files, routes and bytes.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/LogSink.h"
#include "core/Route.h"

// Keeps every message it receives, in order.
class RecordingLog : public LogSink {
public:
    struct Entry {
        LogLevel level;
        std::string message;
        bool operator==(const Entry& other) const {
            return level == other.level && message == other.message;
        }
    };

    void log(LogLevel level, const char* message) override { entries.push_back({level, message}); }

    std::vector<std::string> messages() const;
    bool contains(LogLevel level, const std::string& message) const;
    bool hasLevel(LogLevel level) const;

    std::vector<Entry> entries;
};

// A fresh empty directory, removed with its content when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const;

private:
    std::string path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
std::vector<std::string> listDirectory(const std::string& path);

// The five data files of a directory, by name; a missing file reads as empty.
struct DataFileSet {
    std::string readme, stationIndex, stationTrips, tripIndex, tripStations;
    static DataFileSet readFrom(const std::string& directory);
    bool operator==(const DataFileSet& other) const;
};

// A route from its parts; station lists are written "A-B-C".
Route makeRoute(const std::string& name, const std::string& up, const std::string& down = "",
                const std::string& lineType = "T", const std::string& extraInfo = "");

// Bytes from a hexadecimal text such as "00 02 41 00".
std::string hexBytes(const std::string& hex);
// The value encodings of the data files, written by hand (independent of core/DataFormat.h)
// for golden data.
std::string twoByte(int n);
std::string threeByte(int p);
// UTF-16LE bytes of a GBK text, and the same behind its byte length.
std::string utf16le(std::string_view gbk);
std::string countedText(std::string_view gbk);
