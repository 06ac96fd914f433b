// Reading a directory of data files back into the routes and header texts.

#include "datafiles/Loader.h"

#include "core/DataFiles.h"
#include "core/FileSystem.h"
#include "core/MessageFormat.h"
#include "core/SaveRecovery.h"
#include "datafiles/DataFilesTexts.h"
#include "datafiles/HeaderReader.h"
#include "datafiles/RouteAssembly.h"
#include "datafiles/StationNameReader.h"
#include "datafiles/TripRecords.h"

namespace {

bool failSilently(SilentLoadFailure* silentFailure, const char* message, const char* file) {
    if (silentFailure != nullptr) {
        *silentFailure = {message, file};
    }
    return false;
}

bool loadDirectory(RouteDatabase& database, const std::string& databaseDir,
                   SilentLoadFailure* silentFailure) {
    if (!recoverInterruptedSave(databaseDir, *database.fileSystem, database)) {
        database.clearRoutes();
        database.outputDir = databaseDir;
        return false;
    }
    return loadDatabase(
        database, databaseDir,
        [&](const char* name, std::string& content) {
            return database.fileSystem->readFile(dataFiles::pathIn(databaseDir, name), content);
        },
        silentFailure);
}

}  // namespace

bool loadDatabase(RouteDatabase& database, const std::string& databaseDir,
                  const DataFileSource& source, SilentLoadFailure* silentFailure) {
    database.clearRoutes();
    database.outputDir = databaseDir;

    std::string readme;
    if (source(dataFiles::kReadme, readme)) {
        readHeaderTexts(readme, database.header, database);
    }

    std::string stationIndex;
    if (!source(dataFiles::kStationIndex, stationIndex)) {
        database.log(LogLevel::Error,
                     formatMessage(dataFilesTexts::kStationIndexNotFound,
                                   {dataFiles::pathIn(databaseDir, dataFiles::kStationIndex)}));
        return false;
    }
    std::vector<std::string> stationNames;
    if (!readStationNames(stationIndex, stationNames, database)) {
        return false;
    }

    std::string tripStations;
    if (!source(dataFiles::kTripStations, tripStations)) {
        return failSilently(silentFailure, dataFilesTexts::kTripStationsNotFound,
                            dataFiles::kTripStations);
    }
    if (stationNames.empty()) {
        return failSilently(silentFailure, dataFilesTexts::kNoStations, dataFiles::kStationIndex);
    }
    std::string tripIndex;
    if (!source(dataFiles::kTripIndex, tripIndex)) {
        return failSilently(silentFailure, dataFilesTexts::kTripIndexNotFound,
                            dataFiles::kTripIndex);
    }
    std::vector<TripRecord> records;
    if (!readTripRecords(tripIndex, tripStations, stationNames, records, database)) {
        return false;
    }

    database.routes = assembleRoutes(records);
    database.log(LogLevel::Info, dataFilesTexts::kLoadFinished);
    return true;
}

bool RouteDatabase::load(const std::string& databaseDir) {
    return loadDirectory(*this, databaseDir, nullptr);
}

bool openDatabase(RouteDatabase& database, const std::string& databaseDir) {
    SilentLoadFailure silentFailure;
    if (loadDirectory(database, databaseDir, &silentFailure)) {
        return true;
    }
    if (silentFailure.message != nullptr) {
        database.log(LogLevel::Error,
                     formatMessage(silentFailure.message,
                                   {dataFiles::pathIn(databaseDir, silentFailure.file)}));
    }
    return false;
}
