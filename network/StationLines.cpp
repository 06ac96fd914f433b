#include "network/StationLines.h"

#include <algorithm>
#include <tuple>

std::vector<StationCall> stationCalls(const TransitNetwork& network, int station) {
    std::vector<TransitNetwork::Visit> visits = network.visits(station);
    const auto& trips = network.trips();
    std::sort(visits.begin(), visits.end(),
              [&trips](const TransitNetwork::Visit& a, const TransitNetwork::Visit& b) {
                  const auto& ta = trips[a.trip];
                  const auto& tb = trips[b.trip];
                  return std::tie(ta.nameRank, ta.down, a.trip, a.position) <
                         std::tie(tb.nameRank, tb.down, b.trip, b.position);
              });
    std::vector<StationCall> calls;
    for (const TransitNetwork::Visit& visit : visits) {
        const std::vector<int>& stations = trips[visit.trip].stations;
        const int last = static_cast<int>(stations.size()) - 1;
        calls.push_back({visit.trip, visit.position > 0 ? stations[visit.position - 1] : -1,
                         visit.position < last ? stations[visit.position + 1] : -1});
    }
    return calls;
}

const RouteEnd& departureEnd(const TransitNetwork& network, const TransitNetwork::Trip& trip) {
    const Route& route = network.route(trip);
    return trip.down ? route.terminal : route.start;
}
