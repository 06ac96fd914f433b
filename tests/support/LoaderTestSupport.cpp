#include "tests/support/LoaderTestSupport.h"

#include <filesystem>

std::vector<std::string> messagesAt(const RecordingLog& log, LogLevel level) {
    std::vector<std::string> out;
    for (const RecordingLog::Entry& entry : log.entries) {
        if (entry.level == level) {
            out.push_back(entry.message);
        }
    }
    return out;
}

std::string makeDirectory(const TempDir& scratch, const std::string& name) {
    const std::string path = scratch.file(name);
    std::filesystem::create_directory(path);
    return path;
}

std::string stationIndexBytes(const std::vector<std::string>& names) {
    std::string out = twoByte(static_cast<int>(names.size()));
    for (std::size_t n = 0; n < names.size(); ++n) {
        out += countedText(names[n]) + threeByte(3 + 4 * static_cast<int>(n));
    }
    return out;
}

TripFileBytes tripFileBytes(const std::vector<HandMadeTrip>& trips) {
    TripFileBytes out;
    out.tripIndex = twoByte(static_cast<int>(trips.size()));
    std::string records;
    for (const HandMadeTrip& trip : trips) {
        out.tripIndex += countedText(trip.text) + threeByte(3 + static_cast<int>(records.size()));
        records += twoByte(2 * static_cast<int>(trip.stations.size()));
        for (int station : trip.stations) {
            records += twoByte(station);
        }
    }
    out.tripStations = threeByte(static_cast<int>(records.size())) + records;
    return out;
}

DataFileSource MemoryFiles::source() {
    return [this](const char* name, std::string& content) {
        asked.emplace_back(name);
        const auto file = files.find(name);
        if (file == files.end()) {
            return false;
        }
        content = file->second;
        return true;
    };
}
