#include "tests/support/RoundTripDatabase.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Station and line name syllables; the last four end in the bytes 0x61 or 0x62.
const char* const
    kSyllables[] =
        {
            "东", "西", "南", "北", "中", "大", "小", "新", "老", "人", "民",
            "公", "园", "路", "街", "桥", "门", "站", "口", "广", "场", "医",
            "院", "学", "村", "湖", "山", "河", "花", "京", "A",  "K",  "1",
            "2",  "3",  "0",  "a",  "b",  "補", "裝", "碼", "綽", "x y"};  // "x y": a space inside,
                                                                           // never at an end
const char* const kTimes[] = {"6:00", "6:30", "5:45", "22:00", "22:30", "23:10", "", "早六点"};
const char* const kLineTypes[] = {"空调", "普通", "T", "", "夜班车", "B"};
const char* const kExtras[] = {"", "票价1元", "x", "全程2元 刷卡九折", "夜间停运"};
const char* const kHeaderTexts[] = {"", "某市", "2009年1月", "张三", "公交数据 第二版"};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    void fill(RouteDatabase& database) {
        database.clearRoutes();
        database.header.city = pick(kHeaderTexts);
        database.header.date = pick(kHeaderTexts);
        database.header.author = pick(kHeaderTexts);
        database.header.memo = pick(kHeaderTexts);

        std::vector<std::string> stations;
        const int stationCount = 1 + below(40);
        while (static_cast<int>(stations.size()) < stationCount) {
            std::string name = word(1 + below(4));
            if (std::find(stations.begin(), stations.end(), name) == stations.end()) {
                stations.push_back(name);
            }
        }

        const int routeCount = below(25);
        for (int i = 0; i < routeCount; ++i) {
            auto route = std::make_unique<Route>();
            route->name = below(8) == 0 ? std::string() : word(1 + below(3));
            route->start.firstBus = pick(kTimes);
            route->start.lastBus = pick(kTimes);
            route->lineType = pick(kLineTypes);
            route->extraInfo = pick(kExtras);
            const int upCount = 1 + below(12);
            for (int n = 0; n < upCount; ++n) {
                route->upStations.push_back(stations[below(static_cast<int>(stations.size()))]);
            }
            switch (below(4)) {
                case 0:
                    break;
                case 1:
                    route->downStations.assign(route->upStations.rbegin(),
                                               route->upStations.rend());
                    break;
                default: {
                    const int downCount = 1 + below(12);
                    for (int n = 0; n < downCount; ++n) {
                        route->downStations.push_back(
                            stations[below(static_cast<int>(stations.size()))]);
                    }
                    if (route->downStations == route->upStations) {
                        route->downStations.push_back(stations[0]);
                    }
                }
            }
            if (route->hasDownDirection()) {
                route->terminal.firstBus = pick(kTimes);
                route->terminal.lastBus = pick(kTimes);
            } else if (pairsWithPrevious(database, *route)) {
                route->name += "路";
            }
            database.routes.push_back(std::move(route));
        }
    }

private:
    // A one-direction X+"b" right after a one-direction X+"a" would read back as one line.
    static bool pairsWithPrevious(const RouteDatabase& database, const Route& route) {
        if (database.routes.empty() || route.name.empty() || route.name.back() != 'b') {
            return false;
        }
        const Route& previous = *database.routes.back();
        return !previous.hasDownDirection() && previous.name.size() == route.name.size() &&
               previous.name.back() == 'a' &&
               previous.name.compare(0, previous.name.size() - 1, route.name, 0,
                                     route.name.size() - 1) == 0;
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    template <std::size_t N>
    const char* pick(const char* const (&list)[N]) {
        return list[below(static_cast<int>(N))];
    }

    std::string word(int syllables) {
        std::string text;
        for (int i = 0; i < syllables; ++i) {
            text += pick(kSyllables);
        }
        return text;
    }

    std::mt19937 random_;
};

}  // namespace

void fillRoundTripDatabase(RouteDatabase& database, std::uint32_t seed) {
    Generator(seed).fill(database);
}
