#include "GeneratedFiles.h"

#include "DataFileBuilder.h"
#include "DatabaseLayout.h"
#include "FormatLimits.h"
#include "FuzzInput.h"
#include "Loader.h"

namespace {

class SilentLog : public LogSink {
public:
    void log(LogLevel /*level*/, const char* /*message*/) override {}
};

}  // namespace

bool buildLoadedFiles(const RouteDatabase& database, std::array<std::string, 4>& files) {
    SilentLog log;
    const DatabaseLayout layout(database.routes);
    if (!checkFormatLimits(layout, log) || layout.writtenStationCount == 0) {
        return false;
    }
    StationFiles stationFiles = buildStationFiles(layout, log);
    TripFiles tripFiles = buildTripFiles(layout, log);
    files = {buildReadme(database.header), std::move(stationFiles.stationIndex),
             std::move(tripFiles.tripStations), std::move(tripFiles.tripIndex)};
    return true;
}

bool generatedFilesLoad(const RouteDatabase& database) {
    std::array<std::string, 4> files;
    if (!buildLoadedFiles(database, files)) {
        return true;
    }
    // Only damage fails this load. A trip text over 511 bytes is logged and cut, as expected:
    // the generator allows 511 UTF-16 units and the loader keeps 511 GBK bytes.
    RouteDatabase reloaded;
    return loadDatabase(reloaded, "generated", [&](const char* name, std::string& content) {
        for (std::size_t i = 0; i < kLoadedFiles.size(); ++i) {
            if (std::string_view(name) == kLoadedFiles[i]) {
                content = files[i];
                return true;
            }
        }
        return false;
    });
}
