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

    // Each trip's stations, skipping those left out; a trip's text and its list of station
    // table numbers are kept to fill in the stations' trip lists below.
    std::size_t entries = 0;
    for (std::size_t i = 0; i < table.routeCount(); ++i) {
        entries += table.upNumbers(i).size() + table.downNumbers(i).size();
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

    // Each station's trips: a station lists a trip once however often the trip stops there,
    // and trips are visited in ascending order. Counted first, so that all lists share one
    // array.
    std::vector<int> lastTripAt(stationCount, -1);
    std::vector<Placement> tripsAt(stationCount);
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
