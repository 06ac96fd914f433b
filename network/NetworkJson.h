#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "network/JourneySearch.h"
#include "network/StationLines.h"

// The JSON forms of station and journey answers, for scripts; texts are UTF-8, absent stations
// null, directions "up" or "down".

// {"station", "lines": [{"line", "direction", "type", "previous", "next", "first_bus",
// "last_bus"}]}
nlohmann::ordered_json stationJson(const TransitNetwork& network, int station,
                                   const std::vector<StationCall>& calls);

// {"from", "to", "journeys": [{"legs": [{"line", "direction", "board", "alight", "stops"}]}]}
nlohmann::ordered_json journeysJson(const TransitNetwork& network, const std::string& from,
                                    const std::string& to, const std::vector<Journey>& journeys);

// A name that is no station, with what it may have meant: {"name", "candidates"}.
nlohmann::ordered_json unknownStationJson(const std::string& name,
                                          const std::vector<std::string>& candidates);

// The text of a JSON value; invalid UTF-8 is replaced, never thrown on.
std::string dumpJson(const nlohmann::ordered_json& value, int indent = 2);
