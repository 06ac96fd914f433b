#include "cli/StationCommand.h"

#include "cli/CliTexts.h"
#include "cli/PassengerNetwork.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/NetworkJson.h"
#include "network/StationLines.h"

namespace {

std::string callText(const TransitNetwork& network, const StationCall& call) {
    const TransitNetwork::Trip& trip = network.trips()[call.trip];
    const Route& route = network.route(trip);
    const RouteEnd& end = departureEnd(network, trip);
    std::string text = formatMessage(
        cliTexts::kStationCall,
        {route.name, trip.down ? cliTexts::kDown : cliTexts::kUp,
         call.previous < 0 ? cliTexts::kLineStart : network.stationName(call.previous),
         call.next < 0 ? cliTexts::kLineEnd : network.stationName(call.next)});
    const std::pair<const char*, const std::string*> details[] = {
        {cliTexts::kLineType, &route.lineType},
        {cliTexts::kFirstBus, &end.firstBus},
        {cliTexts::kLastBus, &end.lastBus}};
    for (const auto& [format, value] : details) {
        if (!value->empty()) {
            text += formatMessage(format, {*value});
        }
    }
    return text + "\n";
}

}  // namespace

int runStation(const CommandLine& line, const Terminal& terminal) {
    PassengerNetwork source;
    if (!source.open(line.arguments[0], terminal)) {
        return 1;
    }
    const auto json = line.options.find("--json");
    const std::string name = typedStationName(line.arguments[1], terminal);
    nlohmann::ordered_json unknown = nlohmann::ordered_json::array();
    const int station = source.station(name, terminal, unknown);
    nlohmann::ordered_json answer = {{"station", gbkToUtf8(name)},
                                     {"lines", nlohmann::ordered_json::array()},
                                     {"unknown", unknown}};
    if (station >= 0) {
        const TransitNetwork& network = source.network();
        const std::vector<StationCall> calls = stationCalls(network, station);
        answer = stationJson(network, station, calls);
        if (json == line.options.end() || json->second != "-") {
            std::string text =
                formatMessage(cliTexts::kStationHeading,
                              {network.stationName(station), std::to_string(calls.size())});
            for (const StationCall& call : calls) {
                text += callText(network, call);
            }
            terminal.out(text);
        }
    }
    if (json != line.options.end() && !writeJsonAnswer(json->second, answer, terminal)) {
        return 1;
    }
    return station >= 0 ? 0 : 1;
}
