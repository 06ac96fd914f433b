// Writing the five data files of the database into a directory.

#include "DataFileBuilder.h"
#include "DataFiles.h"
#include "DatabaseLayout.h"
#include "FileSystem.h"
#include "FormatLimits.h"
#include "Messages.h"
#include "RouteDatabase.h"
#include "StagedFiles.h"

void RouteDatabase::generate(const std::string& directory) {
    if (!directory.empty()) {
        outputDir = directory;
    }
    // With no directory at all the paths would start at the root of the drive.
    if (outputDir.empty()) {
        log(LogLevel::Error, messages::kNoOutputDirectory);
        return;
    }
    createDirectory(outputDir);
    log(LogLevel::Info, messages::kGeneratingData);

    const DatabaseLayout layout(routes);
    log(LogLevel::Info, messages::kCountingData);
    if (!checkFormatLimits(layout, *this)) {
        return;
    }

    StagedFiles files(outputDir, *this);
    const StationFiles stationFiles = buildStationFiles(layout, *this);
    if (!files.stage(dataFiles::kStationTrips, stationFiles.stationTrips) ||
        !files.stage(dataFiles::kStationIndex, stationFiles.stationIndex)) {
        return;
    }
    log(LogLevel::Info, messages::kStationIndexCreated);

    const TripFiles tripFiles = buildTripFiles(layout, *this);
    if (!files.stage(dataFiles::kTripStations, tripFiles.tripStations) ||
        !files.stage(dataFiles::kTripIndex, tripFiles.tripIndex) ||
        !files.stage(dataFiles::kReadme, buildReadme(header)) || !files.commit()) {
        return;
    }
    log(LogLevel::Info, messages::kAllDone);
}
