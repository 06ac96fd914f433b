// The checks over the station names of all routes: one station typed in two spellings that a
// passenger cannot tell apart, and names close enough to be a slip.

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_map>

#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/LintedRoute.h"
#include "network/NetworkTexts.h"
#include "network/StationNameFolding.h"

namespace {

using StationId = std::uint32_t;
using RouteIndex = std::uint32_t;

// How many lines a spelling's notice names before it only counts the rest.
constexpr std::size_t kLinesNamed = 5;
// The one-character rule would pair too many short names ("一中", "二中").
constexpr std::size_t kShortestForOneCharacter = 3;
constexpr std::size_t kShortestBase = 2;

// Each distinct name once, with the routes that use it in their order and its neighbours.
struct Station {
    std::string_view name;
    std::vector<RouteIndex> routes;
    const char* firstDirection = kDirectionUp;
    std::vector<StationId> neighbours;
};

class StationIndex {
public:
    explicit StationIndex(const std::vector<LintedRoute>& routes) {
        for (RouteIndex r = 0; r < routes.size(); ++r) {
            addList(routes[r].up, r, kDirectionUp);
            addList(routes[r].down, r, kDirectionDown);
        }
    }

    std::vector<Station> stations;

private:
    void addList(const std::vector<std::string_view>& list, RouteIndex route,
                 const char* direction) {
        StationId previous = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const auto [found, isNew] =
                ids_.emplace(list[i], static_cast<StationId>(stations.size()));
            if (isNew) {
                stations.push_back({list[i], {}, direction, {}});
            }
            Station& station = stations[found->second];
            if (station.routes.empty() || station.routes.back() != route) {
                station.routes.push_back(route);
            }
            if (i > 0 && previous != found->second) {
                station.neighbours.push_back(previous);
                stations[previous].neighbours.push_back(found->second);
            }
            previous = found->second;
        }
    }

    std::unordered_map<std::string_view, StationId> ids_;
};

// The spelling to place a notice on: the one fewest lines use, the later one on a tie.
StationId lessUsed(const std::vector<Station>& stations, StationId a, StationId b) {
    const std::size_t usesA = stations[a].routes.size();
    const std::size_t usesB = stations[b].routes.size();
    if (usesA != usesB) {
        return usesA < usesB ? a : b;
    }
    return stations[a].routes.front() > stations[b].routes.front() ? a : b;
}

std::string linesUsing(const Station& station, const std::vector<LintedRoute>& routes) {
    std::string text;
    for (std::size_t i = 0; i < station.routes.size() && i < kLinesNamed; ++i) {
        if (i > 0) {
            text += networkTexts::kListSeparator;
        }
        text += routes[station.routes[i]].name;
    }
    if (station.routes.size() > kLinesNamed) {
        text += formatMessage(networkTexts::kAndMore, {std::to_string(station.routes.size())});
    }
    return text;
}

void checkSimilarNames(const std::vector<LintedRoute>& routes, const std::vector<Station>& stations,
                       const std::vector<std::string>& folded, LintNotices& notices) {
    std::unordered_map<std::string_view, std::vector<StationId>> groups;
    for (StationId id = 0; id < stations.size(); ++id) {
        groups[folded[id]].push_back(id);
    }
    for (StationId id = 0; id < stations.size(); ++id) {
        const std::vector<StationId>& group = groups[folded[id]];
        if (group.size() < 2 || group.front() != id) {
            continue;
        }
        StationId placed = group.front();
        std::string spellings;
        std::vector<std::string> names;
        for (StationId member : group) {
            placed = lessUsed(stations, placed, member);
            if (!spellings.empty()) {
                spellings += networkTexts::kListSeparator;
            }
            spellings +=
                formatMessage(networkTexts::kSpellingUsedBy,
                              {stations[member].name, linesUsing(stations[member], routes)});
            names.emplace_back(stations[member].name);
        }
        std::sort(names.begin(), names.end());
        const Station& station = stations[placed];
        notices.add(LintSeverity::Warning, "similar_station_names", routes[station.routes.front()],
                    station.firstDirection, station.firstDirection,
                    formatMessage(networkTexts::kSimilarStationNames, {spellings}),
                    std::move(names));
    }
}

// The folded name without a station word ("站", "公交站"...) and then a direction ("东", "(东)")
// at its end: names with one base differ only by these.
std::u16string baseName(std::u16string name) {
    static const std::u16string kStationWords[] = {u"公交站", u"首末站", u"枢纽站", u"总站",
                                                   u"车站",   u"枢纽",   u"站"};
    static const std::u16string kDirections[] = {u"(东)", u"(西)", u"(南)", u"(北)",
                                                 u"东",   u"西",   u"南",   u"北"};
    auto strip = [&name](const auto& suffixes) {
        for (const std::u16string& suffix : suffixes) {
            if (name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
                name.resize(name.size() - suffix.size());
                return;
            }
        }
    };
    strip(kStationWords);
    strip(kDirections);
    return name;
}

bool oneCharacterApart(std::u16string_view a, std::u16string_view b) {
    if (a.size() > b.size()) {
        std::swap(a, b);
    }
    if (b.size() - a.size() > 1) {
        return false;
    }
    std::size_t head = 0;
    while (head < a.size() && a[head] == b[head]) {
        ++head;
    }
    if (a.size() == b.size()) {
        return head < a.size() && a.substr(head + 1) == b.substr(head + 1);
    }
    return a.substr(head) == b.substr(head + 1);
}

template <typename T>
bool sortedShare(const std::vector<T>& a, const std::vector<T>& b, T* shared = nullptr) {
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i == *j) {
            if (shared != nullptr) {
                *shared = *i;
            }
            return true;
        }
        *i < *j ? ++i : ++j;
    }
    return false;
}

// Pairs of names that differ by a suffix or by one character, found through shared keys so
// that no pair of all names is ever compared.
std::set<std::pair<StationId, StationId>> closePairs(const std::vector<std::u16string>& wide) {
    std::unordered_map<std::u16string, std::vector<StationId>> byBase;
    std::unordered_map<std::u16string, std::vector<StationId>> byDeletion;
    for (StationId id = 0; id < wide.size(); ++id) {
        const std::u16string base = baseName(wide[id]);
        if (base.size() >= kShortestBase) {
            byBase[base].push_back(id);
        }
        if (wide[id].size() >= kShortestForOneCharacter) {
            for (std::size_t i = 0; i < wide[id].size(); ++i) {
                std::u16string key = wide[id];
                key.erase(i, 1);
                byDeletion[key].push_back(id);
            }
        }
    }
    std::set<std::pair<StationId, StationId>> pairs;
    auto addGroup = [&pairs](const std::vector<StationId>& group) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            for (std::size_t j = i + 1; j < group.size(); ++j) {
                if (group[i] != group[j]) {
                    pairs.insert(std::minmax(group[i], group[j]));
                }
            }
        }
    };
    for (const auto& entry : byBase) {
        addGroup(entry.second);
    }
    for (auto& entry : byDeletion) {
        addGroup(entry.second);
    }
    // A name one character longer than another holds it as one of its deletions.
    for (StationId id = 0; id < wide.size(); ++id) {
        const auto found = byDeletion.find(wide[id]);
        if (found != byDeletion.end()) {
            for (StationId longer : found->second) {
                pairs.insert(std::minmax(id, longer));
            }
        }
    }
    return pairs;
}

void checkCloseNames(const std::vector<LintedRoute>& routes, std::vector<Station>& stations,
                     const std::vector<std::string>& folded, LintNotices& notices) {
    std::vector<std::u16string> wide;
    wide.reserve(stations.size());
    for (StationId id = 0; id < stations.size(); ++id) {
        wide.push_back(gbkToUtf16(folded[id]));
    }
    std::vector<bool> neighboursSorted(stations.size(), false);
    for (const auto& [a, b] : closePairs(wide)) {
        if (folded[a] == folded[b]) {
            continue;
        }
        const bool suffixOnly = baseName(wide[a]) == baseName(wide[b]);
        if (!suffixOnly && !oneCharacterApart(wide[a], wide[b])) {
            continue;
        }
        // A line that serves both shows they are two stops.
        if (sortedShare(stations[a].routes, stations[b].routes)) {
            continue;
        }
        for (StationId id : {a, b}) {
            if (!neighboursSorted[id]) {
                auto& list = stations[id].neighbours;
                std::sort(list.begin(), list.end());
                list.erase(std::unique(list.begin(), list.end()), list.end());
                neighboursSorted[id] = true;
            }
        }
        StationId neighbour = 0;
        if (!sortedShare(stations[a].neighbours, stations[b].neighbours, &neighbour)) {
            continue;
        }
        const StationId placed = lessUsed(stations, a, b);
        const StationId other = placed == a ? b : a;
        const Station& station = stations[placed];
        notices.add(LintSeverity::Info, "close_station_names", routes[station.routes.front()],
                    station.firstDirection, station.firstDirection,
                    formatMessage(networkTexts::kCloseStationNames,
                                  {station.name, stations[other].name, stations[neighbour].name}),
                    {std::string(std::min(station.name, stations[other].name)),
                     std::string(std::max(station.name, stations[other].name))});
    }
}

}  // namespace

void checkStationNames(const std::vector<LintedRoute>& routes, LintNotices& notices) {
    StationIndex index(routes);
    std::vector<std::string> folded;
    folded.reserve(index.stations.size());
    for (const Station& station : index.stations) {
        folded.push_back(foldStationName(station.name));
    }
    checkSimilarNames(routes, index.stations, folded, notices);
    checkCloseNames(routes, index.stations, folded, notices);
}
