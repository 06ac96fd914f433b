#pragma once

#include <string>
#include <string_view>
#include <vector>

// The names of a station text: cut at every "-", empty pieces dropped, spaces kept.
std::vector<std::string> parseStationText(std::string_view text);
