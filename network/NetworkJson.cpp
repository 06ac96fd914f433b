#include "network/NetworkJson.h"

#include "core/TextConversion.h"

namespace {

nlohmann::ordered_json stationOrNull(const TransitNetwork& network, int station) {
    return station < 0 ? nlohmann::ordered_json()
                       : nlohmann::ordered_json(gbkToUtf8(network.stationName(station)));
}

const char* directionName(const TransitNetwork::Trip& trip) {
    return trip.down ? "down" : "up";
}

}  // namespace

nlohmann::ordered_json stationJson(const TransitNetwork& network, int station,
                                   const std::vector<StationCall>& calls) {
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    for (const StationCall& call : calls) {
        const TransitNetwork::Trip& trip = network.trips()[call.trip];
        const Route& route = network.route(trip);
        const RouteEnd& end = departureEnd(network, trip);
        lines.push_back({{"line", gbkToUtf8(route.name)},
                         {"direction", directionName(trip)},
                         {"type", gbkToUtf8(route.lineType)},
                         {"previous", stationOrNull(network, call.previous)},
                         {"next", stationOrNull(network, call.next)},
                         {"first_bus", gbkToUtf8(end.firstBus)},
                         {"last_bus", gbkToUtf8(end.lastBus)}});
    }
    return {{"station", gbkToUtf8(network.stationName(station))}, {"lines", lines}};
}

nlohmann::ordered_json journeysJson(const TransitNetwork& network, const std::string& from,
                                    const std::string& to, const std::vector<Journey>& journeys) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Journey& journey : journeys) {
        nlohmann::ordered_json legs = nlohmann::ordered_json::array();
        for (const JourneyLeg& leg : journey.legs) {
            const TransitNetwork::Trip& trip = network.trips()[leg.trip];
            legs.push_back({{"line", gbkToUtf8(network.route(trip).name)},
                            {"direction", directionName(trip)},
                            {"board", gbkToUtf8(network.stationName(leg.board))},
                            {"alight", gbkToUtf8(network.stationName(leg.alight))},
                            {"stops", leg.stops}});
        }
        list.push_back({{"legs", legs}});
    }
    return {{"from", gbkToUtf8(from)}, {"to", gbkToUtf8(to)}, {"journeys", list}};
}

nlohmann::ordered_json unknownStationJson(const std::string& name,
                                          const std::vector<std::string>& candidates) {
    nlohmann::ordered_json names = nlohmann::ordered_json::array();
    for (const std::string& candidate : candidates) {
        names.push_back(gbkToUtf8(candidate));
    }
    return {{"name", gbkToUtf8(name)}, {"candidates", names}};
}

std::string dumpJson(const nlohmann::ordered_json& value, int indent) {
    return value.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}
