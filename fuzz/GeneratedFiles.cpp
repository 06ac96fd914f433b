#include "fuzz/GeneratedFiles.h"

#include "core/DataFileBuilder.h"
#include "core/DatabaseLayout.h"
#include "core/FormatLimits.h"
#include "datafiles/Loader.h"

namespace {

class SilentLog : public LogSink {
public:
    void log(LogLevel /*level*/, const char* /*message*/) override {}
};

}  // namespace

bool buildDataFiles(const RouteDatabase& database,
                    std::array<std::string, kFuzzedFiles.size()>& files) {
    SilentLog log;
    const RouteTable table(database.routes);
    const DatabaseLayout layout(table);
    if (!checkFormatLimits(layout, log) || layout.writtenStationCount == 0) {
        return false;
    }
    StationFiles stationFiles = buildStationFiles(layout, log);
    TripFiles tripFiles = buildTripFiles(layout, log);
    files = {buildReadme(database.header), std::move(stationFiles.stationIndex),
             std::move(tripFiles.tripStations), std::move(tripFiles.tripIndex),
             std::move(stationFiles.stationTrips)};
    return true;
}

bool generatedFilesLoad(const RouteDatabase& database) {
    std::array<std::string, kFuzzedFiles.size()> built;
    if (!buildDataFiles(database, built)) {
        return true;
    }
    FuzzedFiles files;
    for (std::size_t i = 0; i < built.size(); ++i) {
        files[i] = std::move(built[i]);
    }
    // Only damage fails this load. A trip text over 511 bytes is logged and cut, as expected:
    // the generator allows 511 UTF-16 units and the loader keeps 511 GBK bytes.
    RouteDatabase reloaded;
    return loadDatabase(reloaded, "generated", fuzzedFileSource(files));
}
