#include "core/DatabaseLayout.h"

#include "core/TextConversion.h"
#include "core/TripText.h"

namespace {

// Appends the record form of a NUL-terminated GBK text to wideTexts and sets length to its
// units; false, appending nothing, when it needs more than kRecordTextCapacity units.
bool appendRecordText(const char* text, std::u16string& wideTexts, std::size_t& length) {
    char16_t buffer[kRecordTextCapacity];
    if (!AnsiToWide(text, buffer, kRecordTextCapacity)) {
        return false;
    }
    length = std::char_traits<char16_t>::length(buffer);
    wideTexts.append(buffer, length);
    return true;
}

// Where a text or list lies in one of the layout's arrays, until they stop growing.
struct Placement {
    std::size_t first = 0;
    std::size_t count = 0;
};

}  // namespace

DatabaseLayout::DatabaseLayout(const RouteTable& table) {
    const std::size_t stationCount = table.stationCount();
    std::vector<int> writtenNumber(stationCount, -1);
    std::vector<Placement> nameAt(stationCount);
    stations.resize(stationCount);
    for (std::size_t n = 0; n < stationCount; ++n) {
        StationPlan& station = stations[n];
        station.name = table.name(static_cast<int>(n));
        nameAt[n].first = wideTexts_.size();
        station.converts = appendRecordText(station.name.data(), wideTexts_, nameAt[n].count);
        if (station.converts) {
            writtenNumber[n] = static_cast<int>(writtenStationCount++);
        }
    }

    // Each trip's stations, skipping those left out, by written number. Each station counts
    // the trips that stop there, once however often a trip stops there, so that all the
    // stations' trip lists can share one array.
    tripStations_.reserve(table.stopCount());
    std::vector<Placement> tripTextAt;
    std::vector<Placement> tripStationsAt;
    // By written number; one small entry, so that each stop touches one place in memory.
    struct StationTrips {
        int lastTrip = -1;
        int count = 0;  // while trips are listed; then where the station's next trip goes
    };
    std::vector<StationTrips> stationTrips(writtenStationCount);
    auto addTrip = [&](NumberList tableNumbers, Placement text) {
        const int trip = static_cast<int>(tripTextAt.size());
        Placement list{tripStations_.size(), 0};
        for (int n : tableNumbers) {
            const int written = writtenNumber[n];
            if (written >= 0) {
                tripStations_.push_back(written);
                StationTrips& station = stationTrips[written];
                if (station.lastTrip != trip) {
                    station.lastTrip = trip;
                    ++station.count;
                }
            }
        }
        list.count = tripStations_.size() - list.first;
        tripTextAt.push_back(text);
        tripStationsAt.push_back(list);
    };

    std::string text;
    routes.reserve(table.routeCount());
    for (std::size_t i = 0; i < table.routeCount(); ++i) {
        const TripTextParts& route = table.texts(i);
        RoutePlan plan;
        plan.texts = route;
        plan.upStationCount = table.upNumbers(i).size();
        plan.downStationCount = table.downNumbers(i).size();
        const std::size_t textsBefore = wideTexts_.size();
        Placement up{wideTexts_.size(), 0};
        upTripText(route, text);
        plan.upConverts = appendRecordText(text.c_str(), wideTexts_, up.count);
        Placement down{wideTexts_.size(), 0};
        if (route.hasDownDirection) {
            downTripText(route, text);
            plan.downConverts = appendRecordText(text.c_str(), wideTexts_, down.count);
        }
        if (plan.upConverts && (plan.downConverts || !route.hasDownDirection)) {
            plan.upTrip = static_cast<int>(tripTextAt.size());
            addTrip(table.upNumbers(i), up);
            if (route.hasDownDirection) {
                addTrip(table.downNumbers(i), down);
            }
        } else {
            wideTexts_.resize(textsBefore);
        }
        routes.push_back(plan);
    }

    // Each station's trips, in ascending order.
    std::vector<Placement> tripsAt(writtenStationCount);
    std::size_t next = 0;
    for (std::size_t w = 0; w < writtenStationCount; ++w) {
        tripsAt[w] = {next, static_cast<std::size_t>(stationTrips[w].count)};
        stationTrips[w] = {-1, static_cast<int>(next)};
        next += tripsAt[w].count;
    }
    stationTrips_.resize(next);
    for (std::size_t trip = 0; trip < tripStationsAt.size(); ++trip) {
        const Placement list = tripStationsAt[trip];
        for (std::size_t k = list.first; k < list.first + list.count; ++k) {
            StationTrips& station = stationTrips[tripStations_[k]];
            if (station.lastTrip != static_cast<int>(trip)) {
                station.lastTrip = static_cast<int>(trip);
                stationTrips_[station.count++] = static_cast<int>(trip);
            }
        }
    }

    // The arrays are complete: the plans can point into them.
    for (std::size_t n = 0; n < stations.size(); ++n) {
        stations[n].wideName =
            std::u16string_view(wideTexts_).substr(nameAt[n].first, nameAt[n].count);
        if (writtenNumber[n] >= 0) {
            const Placement at = tripsAt[writtenNumber[n]];
            stations[n].trips = {stationTrips_.data() + at.first, at.count};
        }
    }
    trips.resize(tripTextAt.size());
    for (std::size_t t = 0; t < trips.size(); ++t) {
        trips[t].wideText =
            std::u16string_view(wideTexts_).substr(tripTextAt[t].first, tripTextAt[t].count);
        trips[t].stations = {tripStations_.data() + tripStationsAt[t].first,
                             tripStationsAt[t].count};
    }
}
