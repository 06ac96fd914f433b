#pragma once

#include <cstdint>
#include <string>

// An input text file (GBK) of a made-up city at the size the data files can just hold:
// `stations` distinct Chinese station names and `lines` lines whose up and down directions
// each stop at `stops` different stations, the down direction written out reversed.
struct SyntheticCitySize {
    int stations = 16000;
    int lines = 4000;
    int stops = 60;
};

std::string syntheticCityText(const SyntheticCitySize& size, std::uint32_t seed);
