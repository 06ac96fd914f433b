// Writing the five data files of the database into a directory.

#include "core/CoreTexts.h"
#include "core/DataFileBuilder.h"
#include "core/DataFiles.h"
#include "core/DatabaseLayout.h"
#include "core/FileSetCommit.h"
#include "core/FormatLimits.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
#include "core/RouteTable.h"
#include "core/SaveRecovery.h"

namespace {

bool hasEmptyName(const std::vector<std::string>& stations) {
    for (const std::string& station : stations) {
        if (station.empty()) {
            return true;
        }
    }
    return false;
}

// Logs the first route that converting could never have read, whose dump the converter would
// refuse or change; false when there is one.
bool everyRouteReadable(const std::vector<std::unique_ptr<Route>>& routes, LogSink& log) {
    for (std::size_t i = 0; i < routes.size(); ++i) {
        const Route* route = routes[i].get();
        if (route == nullptr) {
            continue;
        }
        const char* problem = nullptr;
        if (route->upStations.empty()) {
            problem = coreTexts::kRouteWithoutUpStations;
        } else if (hasEmptyName(route->upStations) || hasEmptyName(route->downStations)) {
            problem = coreTexts::kRouteEmptyStation;
        }
        if (problem != nullptr) {
            log.log(LogLevel::Error,
                    formatMessage(problem, {std::to_string(i + 1), route->name}).c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

bool RouteDatabase::generate(const std::string& directory) {
    if (!everyRouteReadable(routes, *this)) {
        return false;
    }
    const RouteTable table(routes);
    return writeDataFiles(table, directory);
}

bool RouteDatabase::writeDataFiles(const RouteTable& table, const std::string& directory) {
    if (!directory.empty()) {
        outputDir = directory;
    }
    // With no directory at all the paths would start at the root of the drive.
    if (outputDir.empty()) {
        log(LogLevel::Error, coreTexts::kNoOutputDirectory);
        return false;
    }
    fileSystem->createDirectory(outputDir);
    if (!recoverInterruptedSave(outputDir, *fileSystem, *this)) {
        return false;
    }
    log(LogLevel::Info, coreTexts::kGeneratingData);

    const DatabaseLayout layout(table);
    log(LogLevel::Info, coreTexts::kCountingData);
    if (!checkFormatLimits(layout, *this)) {
        return false;
    }

    FileSetCommit files(outputDir, *fileSystem, *this);
    StationFiles stationFiles = buildStationFiles(layout, *this);
    if (!files.stage(dataFiles::kStationTrips, std::move(stationFiles.stationTrips)) ||
        !files.stage(dataFiles::kStationIndex, std::move(stationFiles.stationIndex))) {
        return false;
    }
    log(LogLevel::Info, coreTexts::kStationIndexCreated);

    TripFiles tripFiles = buildTripFiles(layout, *this);
    if (!files.stage(dataFiles::kTripStations, std::move(tripFiles.tripStations)) ||
        !files.stage(dataFiles::kTripIndex, std::move(tripFiles.tripIndex)) ||
        !files.stage(dataFiles::kReadme, buildReadme(header)) || !files.commit()) {
        return false;
    }
    log(LogLevel::Info, coreTexts::kAllDone);
    return true;
}
