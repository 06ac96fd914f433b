#include "core/DatabaseLayout.h"

#include "core/StationTable.h"
#include "core/TextConversion.h"
#include "core/TripText.h"

bool convertRecordText(const std::string& text, std::u16string& wide) {
    char16_t buffer[kRecordTextCapacity];
    if (!AnsiToWide(text.c_str(), buffer, kRecordTextCapacity)) {
        return false;
    }
    wide.assign(buffer);
    return true;
}

DatabaseLayout::DatabaseLayout(const std::vector<std::unique_ptr<Route>>& allRoutes) {
    const StationTable table(allRoutes);

    std::vector<int> writtenNumber(table.size(), -1);
    stations.resize(table.size());
    for (std::size_t n = 0; n < table.size(); ++n) {
        StationPlan& station = stations[n];
        station.name = table.names()[n];
        station.converts = convertRecordText(std::string(station.name), station.wideName);
        if (station.converts) {
            writtenNumber[n] = static_cast<int>(writtenStationCount++);
        }
    }

    // Each trip's stations, and each station's trips: a station lists a trip once however
    // often the trip stops there, and trips are visited in ascending order.
    std::vector<int> lastTripAt(table.size(), -1);
    auto addTrip = [&](const std::vector<int>& tableNumbers, std::u16string wideText) {
        const int trip = static_cast<int>(trips.size());
        TripPlan plan{std::move(wideText), {}};
        plan.stations.reserve(tableNumbers.size());
        for (int n : tableNumbers) {
            if (writtenNumber[n] < 0) {
                continue;
            }
            plan.stations.push_back(writtenNumber[n]);
            if (lastTripAt[n] != trip) {
                lastTripAt[n] = trip;
                stations[n].trips.push_back(trip);
            }
        }
        trips.push_back(std::move(plan));
    };

    for (std::size_t i = 0; i < allRoutes.size(); ++i) {
        if (!allRoutes[i]) {
            continue;
        }
        const Route& route = *allRoutes[i];
        RoutePlan plan;
        plan.route = &route;
        plan.upText = upTripText(route);
        std::u16string upWide;
        std::u16string downWide;
        plan.upConverts = convertRecordText(plan.upText, upWide);
        if (route.hasDownDirection()) {
            plan.downText = downTripText(route);
            plan.downConverts = convertRecordText(plan.downText, downWide);
        }
        if (plan.upConverts && (plan.downConverts || !route.hasDownDirection())) {
            plan.upTrip = static_cast<int>(trips.size());
            addTrip(table.upNumbers(i), std::move(upWide));
            if (route.hasDownDirection()) {
                addTrip(table.downNumbers(i), std::move(downWide));
            }
        }
        routes.push_back(std::move(plan));
    }
}
