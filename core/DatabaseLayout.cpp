#include "core/DatabaseLayout.h"

#include "core/StationTable.h"
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

DatabaseLayout::DatabaseLayout(const std::vector<std::unique_ptr<Route>>& allRoutes) {
    const StationTable table(allRoutes);

    std::vector<int> writtenNumber(table.size(), -1);
    std::vector<Placement> nameAt(table.size());
    stations.resize(table.size());
    for (std::size_t n = 0; n < table.size(); ++n) {
        StationPlan& station = stations[n];
        station.name = table.names()[n];
        nameAt[n].first = wideTexts_.size();
        // A name is a whole string of a route, so it ends with a NUL.
        station.converts = appendRecordText(station.name.data(), wideTexts_, nameAt[n].count);
        if (station.converts) {
            writtenNumber[n] = static_cast<int>(writtenStationCount++);
        }
    }

    // Each trip's stations, skipping those left out; a trip's text and its list of station
    // table numbers are kept to fill in the stations' trip lists below.
    std::size_t entries = 0;
    for (const auto& route : allRoutes) {
        if (route) {
            entries += route->upStations.size() + route->downStations.size();
        }
    }
    tripStations_.reserve(entries);
    std::vector<Placement> tripTextAt;
    std::vector<Placement> tripStationsAt;
    std::vector<NumberList> tripTableNumbers;
    auto addTrip = [&](NumberList tableNumbers, Placement text) {
        Placement list{tripStations_.size(), 0};
        for (int n : tableNumbers) {
            if (writtenNumber[n] >= 0) {
                tripStations_.push_back(writtenNumber[n]);
            }
        }
        list.count = tripStations_.size() - list.first;
        tripTextAt.push_back(text);
        tripStationsAt.push_back(list);
        tripTableNumbers.push_back(tableNumbers);
    };

    std::string text;
    routes.reserve(allRoutes.size());
    for (std::size_t i = 0; i < allRoutes.size(); ++i) {
        if (!allRoutes[i]) {
            continue;
        }
        const Route& route = *allRoutes[i];
        RoutePlan plan;
        plan.route = &route;
        const std::size_t textsBefore = wideTexts_.size();
        Placement up{wideTexts_.size(), 0};
        upTripText(route, text);
        plan.upConverts = appendRecordText(text.c_str(), wideTexts_, up.count);
        Placement down{wideTexts_.size(), 0};
        if (route.hasDownDirection()) {
            downTripText(route, text);
            plan.downConverts = appendRecordText(text.c_str(), wideTexts_, down.count);
        }
        if (plan.upConverts && (plan.downConverts || !route.hasDownDirection())) {
            plan.upTrip = static_cast<int>(tripTextAt.size());
            addTrip(table.upNumbers(i), up);
            if (route.hasDownDirection()) {
                addTrip(table.downNumbers(i), down);
            }
        } else {
            wideTexts_.resize(textsBefore);
        }
        routes.push_back(plan);
    }

    // Each station's trips: a station lists a trip once however often the trip stops there,
    // and trips are visited in ascending order. Counted first, so that all lists share one
    // array.
    std::vector<int> lastTripAt(table.size(), -1);
    std::vector<Placement> tripsAt(table.size());
    auto forEachStop = [&](auto visit) {
        std::fill(lastTripAt.begin(), lastTripAt.end(), -1);
        for (std::size_t trip = 0; trip < tripTableNumbers.size(); ++trip) {
            for (int n : tripTableNumbers[trip]) {
                if (writtenNumber[n] >= 0 && lastTripAt[n] != static_cast<int>(trip)) {
                    lastTripAt[n] = static_cast<int>(trip);
                    visit(n, static_cast<int>(trip));
                }
            }
        }
    };
    forEachStop([&](int n, int) { ++tripsAt[n].count; });
    std::size_t next = 0;
    for (Placement& at : tripsAt) {
        at.first = next;
        next += at.count;
        at.count = 0;
    }
    stationTrips_.resize(next);
    forEachStop([&](int n, int trip) {
        Placement& at = tripsAt[n];
        stationTrips_[at.first + at.count++] = trip;
    });

    // The arrays are complete: the plans can point into them.
    for (std::size_t n = 0; n < stations.size(); ++n) {
        stations[n].wideName =
            std::u16string_view(wideTexts_).substr(nameAt[n].first, nameAt[n].count);
        stations[n].trips = {stationTrips_.data() + tripsAt[n].first, tripsAt[n].count};
    }
    trips.resize(tripTextAt.size());
    for (std::size_t t = 0; t < trips.size(); ++t) {
        trips[t].wideText =
            std::u16string_view(wideTexts_).substr(tripTextAt[t].first, tripTextAt[t].count);
        trips[t].stations = {tripStations_.data() + tripStationsAt[t].first,
                             tripStationsAt[t].count};
    }
}
