#pragma once

#include <string>
#include <string_view>
#include <vector>

// A station list as the editor shows it: the names joined with "-".
std::string joinStations(const std::vector<std::string>& stations);

// The names of a station text: cut at every "-", empty pieces dropped, spaces kept.
std::vector<std::string> parseStationText(std::string_view text);
