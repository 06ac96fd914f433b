#include "core/DataFileBuilder.h"

#include <vector>

#include "core/CoreTexts.h"
#include "core/DataFormat.h"
#include "core/TextConversion.h"
#include "core/TripText.h"

namespace {

constexpr std::size_t kWarnAtCount = 128;

// The lists are most of the files' bytes: written in place, not byte by byte onto the end.
void appendNumberList(std::string& out, NumberList numbers) {
    const std::size_t at = out.size();
    out.resize(at + listBytes(numbers.size()));
    char* next =
        putTwoByteNumber(out.data() + at, static_cast<int>(numbers.size() * kTwoByteNumberBytes));
    for (int n : numbers) {
        next = putTwoByteNumber(next, n);
    }
}

// The length of everything after the length header, written over the placeholder.
void patchLengthHeader(std::string& file) {
    writeThreeByteOffsetAt(file, 0, static_cast<int>(file.size() - kLengthHeaderBytes));
}

void warn(LogSink& log, const std::string& text) {
    log.log(LogLevel::Warning, text.c_str());
}

std::string upText(const TripTextParts& route) {
    std::string text;
    upTripText(route, text);
    return text;
}

std::string downText(const TripTextParts& route) {
    std::string text;
    downTripText(route, text);
    return text;
}

}  // namespace

StationFiles buildStationFiles(const DatabaseLayout& layout, LogSink& log) {
    StationFiles files;
    std::size_t indexBytes = kTwoByteNumberBytes;
    std::size_t tripsBytes = kLengthHeaderBytes;
    for (const StationPlan& station : layout.stations) {
        if (station.converts) {
            indexBytes += indexEntryBytes(station.wideName);
            tripsBytes += listBytes(station.trips.size());
        }
    }
    files.stationIndex.reserve(indexBytes);
    files.stationTrips.reserve(tripsBytes);
    files.stationTrips.assign(kLengthHeaderBytes, '\0');
    appendTwoByteNumber(files.stationIndex, static_cast<int>(layout.writtenStationCount));
    for (const StationPlan& station : layout.stations) {
        if (!station.converts) {
            warn(log, coreTexts::kStationConvertFailed);
            warn(log, std::string(station.name));
            continue;
        }
        appendCountedText(files.stationIndex, station.wideName);
        appendThreeByteOffset(files.stationIndex, static_cast<int>(files.stationTrips.size()));
        if (station.trips.size() >= kWarnAtCount) {
            warn(log, coreTexts::kStationTooManyTrips);
        }
        appendNumberList(files.stationTrips, station.trips);
    }
    patchLengthHeader(files.stationTrips);
    return files;
}

TripFiles buildTripFiles(const DatabaseLayout& layout, LogSink& log) {
    TripFiles files;
    std::size_t indexBytes = kTwoByteNumberBytes;
    std::size_t stationsBytes = kLengthHeaderBytes;
    for (const TripPlan& trip : layout.trips) {
        indexBytes += indexEntryBytes(trip.wideText);
        stationsBytes += listBytes(trip.stations.size());
    }
    files.tripIndex.reserve(indexBytes);
    files.tripStations.reserve(stationsBytes);
    files.tripStations.assign(kLengthHeaderBytes, '\0');
    appendTwoByteNumber(files.tripIndex, static_cast<int>(layout.trips.size()));

    auto appendTrip = [&](const TripPlan& trip) {
        appendCountedText(files.tripIndex, trip.wideText);
        appendThreeByteOffset(files.tripIndex, static_cast<int>(files.tripStations.size()));
        appendNumberList(files.tripStations, trip.stations);
    };

    for (const RoutePlan& plan : layout.routes) {
        const TripTextParts& route = plan.texts;
        if (!plan.upConverts) {
            warn(log, coreTexts::kUpTripConvertFailed);
            warn(log, upText(route));
            continue;
        }
        if (route.hasDownDirection && !plan.downConverts) {
            warn(log, coreTexts::kDownTripConvertFailed);
            warn(log, downText(route));
            continue;
        }

        const TripPlan& up = layout.trips[plan.upTrip];
        if (up.wideText.size() >= kWarnAtCount) {
            warn(log, coreTexts::kTripTextTooLong);
            warn(log, upText(route));
        }
        if (plan.upStationCount >= kWarnAtCount) {
            warn(log, std::string(route.name));
            warn(log, coreTexts::kUpTripTooManyStations);
        }
        appendTrip(up);
        if (!route.hasDownDirection) {
            continue;
        }

        const TripPlan& down = layout.trips[plan.upTrip + 1];
        if (down.wideText.size() >= kWarnAtCount) {
            warn(log, downText(route));
            warn(log, coreTexts::kTripTextTooLong);
        }
        if (plan.downStationCount >= kWarnAtCount) {
            warn(log, std::string(route.name));
            warn(log, coreTexts::kDownTripTooManyStations);
        }
        appendTrip(down);
    }
    patchLengthHeader(files.tripStations);
    return files;
}

std::string buildReadme(const DatabaseHeader& header) {
    const std::string text = "[city]\r\n" + header.city + "\r\n\r\n" + "[date]\r\n" + header.date +
                             "\r\n\r\n" + "[author]\r\n" + header.author + "\r\n\r\n[memo]\r\n" +
                             header.memo;
    std::vector<char16_t> wide(text.size() * 2);
    AnsiToWide(text.c_str(), wide.data(), wide.size());
    std::string file = "\xFF\xFE";
    appendUtf16LE(file, std::u16string_view(wide.data()));
    return file;
}
