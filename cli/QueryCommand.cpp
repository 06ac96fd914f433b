#include "cli/QueryCommand.h"

#include "cli/CliTexts.h"
#include "cli/PassengerNetwork.h"
#include "core/MessageFormat.h"
#include "network/JourneySearch.h"
#include "network/NetworkJson.h"

namespace {

std::string journeyText(const TransitNetwork& network, const Journey& journey, int number) {
    const std::size_t changes = journey.legs.size() - 1;
    std::string text = formatMessage(
        cliTexts::kJourneyHeading,
        {std::to_string(number),
         changes == 0 ? std::string(cliTexts::kDirectJourney)
                      : formatMessage(cliTexts::kJourneyChanges, {std::to_string(changes)}),
         std::to_string(journey.stops())});
    for (const JourneyLeg& leg : journey.legs) {
        const TransitNetwork::Trip& trip = network.trips()[leg.trip];
        text +=
            formatMessage(cliTexts::kJourneyLeg,
                          {network.route(trip).name, trip.down ? cliTexts::kDown : cliTexts::kUp,
                           network.stationName(leg.board), network.stationName(leg.alight),
                           std::to_string(leg.stops)});
    }
    return text;
}

}  // namespace

int runQuery(const CommandLine& line, const Terminal& terminal) {
    PassengerNetwork source;
    if (!source.open(line.arguments[0], terminal)) {
        return 1;
    }
    const std::string from = typedStationName(line.arguments[1], terminal);
    const std::string to = typedStationName(line.arguments[2], terminal);
    nlohmann::ordered_json unknown = nlohmann::ordered_json::array();
    const int fromStation = source.station(from, terminal, unknown);
    const int toStation = source.station(to, terminal, unknown);
    std::vector<Journey> journeys;
    if (fromStation >= 0 && toStation >= 0) {
        journeys = findJourneys(source.network(), fromStation, toStation);
    }

    const auto json = line.options.find("--json");
    if (fromStation >= 0 && toStation >= 0 && (json == line.options.end() || json->second != "-")) {
        std::string text;
        if (journeys.empty()) {
            text = formatMessage(cliTexts::kNoJourney, {from, to});
        } else {
            text = formatMessage(cliTexts::kJourneysFound,
                                 {from, to, std::to_string(journeys.size())});
            for (std::size_t i = 0; i < journeys.size(); ++i) {
                text += journeyText(source.network(), journeys[i], static_cast<int>(i) + 1);
            }
        }
        terminal.out(text);
    }
    if (json != line.options.end()) {
        nlohmann::ordered_json answer = journeysJson(source.network(), from, to, journeys);
        if (!unknown.empty()) {
            answer["unknown"] = unknown;
        }
        if (!writeJsonAnswer(json->second, answer, terminal)) {
            return 1;
        }
    }
    return journeys.empty() ? 1 : 0;
}
