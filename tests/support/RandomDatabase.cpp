#include "tests/support/RandomDatabase.h"

namespace {

const char* const kPieces[] = {"火车站", "市", "政府", "人民", "广场", "东",  "西",   "南",
                               "北",     "路", "口",   "一",   "啊",   "桥",  "医院", "学校",
                               "A",      "b",  "ab",   "7",    " ",    "站a", "站b",  "X"};

}  // namespace

std::string RandomDatabase::text(int maxPieces) {
    std::string result;
    const int pieces = number(maxPieces + 1);
    for (int i = 0; i < pieces; ++i) {
        result += kPieces[number(sizeof kPieces / sizeof kPieces[0])];
    }
    return result;
}

std::string RandomDatabase::stationName() {
    // Reuse names often, so that stations are shared between routes and repeat in a list.
    if (!pool_.empty() && number(3) != 0) {
        return pool_[number(static_cast<int>(pool_.size()))];
    }
    std::string name = text(4);
    if (name.empty() || name.find_first_not_of(' ') == std::string::npos) {
        name = "站" + std::to_string(pool_.size());
    }
    if (!pool_.empty() && number(5) == 0) {
        name = pool_[number(static_cast<int>(pool_.size()))] + name;  // a longer name, same prefix
    }
    pool_.push_back(name);
    return name;
}

std::vector<std::unique_ptr<Route>> RandomDatabase::routes(int maxRoutes, int maxStops) {
    std::vector<std::unique_ptr<Route>> result;
    const int count = number(maxRoutes + 1);
    for (int r = 0; r < count; ++r) {
        auto route = std::make_unique<Route>();
        route->name = text(2) + std::to_string(r);
        route->start = {"", text(1), text(1)};
        route->terminal = {"", text(1), text(1)};
        route->lineType = text(2);
        route->extraInfo = text(3);
        const int up = 1 + number(maxStops);
        for (int i = 0; i < up; ++i) {
            route->upStations.push_back(stationName());
        }
        if (number(3) != 0) {
            const int down = 1 + number(maxStops);
            for (int i = 0; i < down; ++i) {
                route->downStations.push_back(stationName());
            }
        }
        result.push_back(std::move(route));
    }
    return result;
}
