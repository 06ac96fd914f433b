// Reading a directory of data files back into the routes and header texts.

#include "datafiles/Loader.h"

#include "core/DataFiles.h"
#include "core/MessageFormat.h"
#include "core/SaveRecovery.h"
#include "datafiles/DataFilesTexts.h"
#include "datafiles/HeaderReader.h"
#include "datafiles/RouteAssembly.h"
#include "datafiles/StationNameReader.h"
#include "datafiles/TripRecords.h"

bool loadDatabase(RouteDatabase& database, const std::string& databaseDir,
                  const DataFileSource& source) {
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
    if (!source(dataFiles::kTripStations, tripStations) || stationNames.empty()) {
        return false;
    }
    std::string tripIndex;
    if (!source(dataFiles::kTripIndex, tripIndex)) {
        return false;
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
    if (!recoverInterruptedSave(databaseDir, *fileSystem, *this)) {
        clearRoutes();
        outputDir = databaseDir;
        return false;
    }
    return loadDatabase(*this, databaseDir, [&](const char* name, std::string& content) {
        return fileSystem->readFile(dataFiles::pathIn(databaseDir, name), content);
    });
}
