#include "core/FormatLimits.h"

#include <string>

#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/DataFormat.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"

bool checkFormatLimits(const DatabaseLayout& layout, LogSink& log) {
    bool ok = true;
    auto report = [&](const char* format, std::initializer_list<std::string_view> values) {
        log.log(LogLevel::Error, formatMessage(format, values).c_str());
        ok = false;
    };
    auto number = [](std::size_t n) { return std::to_string(n); };

    if (layout.writtenStationCount > kMaxTwoByteNumber) {
        report(coreTexts::kTooManyStations, {number(layout.writtenStationCount)});
    }
    if (layout.trips.size() > kMaxTwoByteNumber) {
        report(coreTexts::kTooManyTrips, {number(layout.trips.size())});
    }

    std::size_t stationTripsLength = kLengthHeaderBytes;
    for (const StationPlan& station : layout.stations) {
        if (!station.converts) {
            continue;
        }
        if (station.trips.size() > kMaxListEntries) {
            report(coreTexts::kStationListTooLong, {station.name, number(station.trips.size())});
        }
        stationTripsLength += listBytes(station.trips.size());
    }
    std::size_t tripStationsLength = kLengthHeaderBytes;
    for (const TripPlan& trip : layout.trips) {
        if (trip.stations.size() > kMaxListEntries) {
            report(coreTexts::kTripListTooLong,
                   {utf16ToGbk(trip.wideText), number(trip.stations.size())});
        }
        tripStationsLength += listBytes(trip.stations.size());
    }

    for (auto [name, length] : {std::pair{dataFiles::kStationTrips, stationTripsLength},
                                std::pair{dataFiles::kTripStations, tripStationsLength}}) {
        if (length > kMaxThreeByteOffset) {
            report(coreTexts::kFileTooLong, {name, number(length)});
        }
    }

    if (!ok) {
        log.log(LogLevel::Error, coreTexts::kNothingWritten);
    }
    return ok;
}
