#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/Route.h"

// Random routes for property tests. Names are GBK (Chinese syllables, ASCII, names that are
// prefixes of others, spaces); no text holds "," and no station name holds "-", so the
// input format can say everything the routes hold.
class RandomDatabase {
public:
    explicit RandomDatabase(std::uint32_t seed) : random_(seed) {}

    std::vector<std::unique_ptr<Route>> routes(int maxRoutes = 30, int maxStops = 20);
    std::string stationName();
    std::string text(int maxPieces);
    int number(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

private:
    std::mt19937 random_;
    std::vector<std::string> pool_;
};
