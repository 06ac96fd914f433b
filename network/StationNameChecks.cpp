// The checks over the station names of all routes: one station typed in two spellings that a
// passenger cannot tell apart, and names close enough to be a slip.

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/Fnv1a.h"
#include "core/MessageFormat.h"
#include "network/LintChecks.h"
#include "network/NetworkTexts.h"
#include "network/StationNameFolding.h"

namespace {

// How many lines a spelling's notice names before it only counts the rest.
constexpr std::size_t kLinesNamed = 5;
// The one-character rule would pair too many short names ("一中", "二中").
constexpr std::size_t kShortestForOneCharacter = 3;
constexpr std::size_t kShortestBase = 2;

// The spelling to place a notice on: the one fewest lines use, the later one on a tie.
StationId lessUsed(const StationIndex& index, StationId a, StationId b) {
    if (index.uses(a) != index.uses(b)) {
        return index.uses(a) < index.uses(b) ? a : b;
    }
    return index.firstRoute(a) > index.firstRoute(b) ? a : b;
}

std::string linesUsing(const StationIndex& index, StationId id,
                       const std::vector<LintedRoute>& routes) {
    std::string text;
    const std::size_t named = std::min(index.uses(id), kLinesNamed);
    for (const RouteIndex* r = index.routesBegin(id); r != index.routesBegin(id) + named; ++r) {
        if (!text.empty()) {
            text += networkTexts::kListSeparator;
        }
        text += routes[*r].name;
    }
    if (index.uses(id) > kLinesNamed) {
        text += formatMessage(networkTexts::kAndMore, {std::to_string(index.uses(id))});
    }
    return text;
}

void checkSimilarNames(const std::vector<LintedRoute>& routes, const StationIndex& index,
                       const std::vector<std::u16string>& folded, LintNotices& notices) {
    std::unordered_map<std::u16string_view, std::vector<StationId>> groups;
    groups.reserve(index.size());
    for (StationId id = 0; id < index.size(); ++id) {
        groups[folded[id]].push_back(id);
    }
    for (StationId id = 0; id < index.size(); ++id) {
        const std::vector<StationId>& group = groups[folded[id]];
        if (group.size() < 2 || group.front() != id) {
            continue;
        }
        StationId placed = group.front();
        std::string spellings;
        std::vector<std::string> names;
        for (StationId member : group) {
            placed = lessUsed(index, placed, member);
            if (!spellings.empty()) {
                spellings += networkTexts::kListSeparator;
            }
            spellings += formatMessage(networkTexts::kSpellingUsedBy,
                                       {index.name(member), linesUsing(index, member, routes)});
            names.emplace_back(index.name(member));
        }
        std::sort(names.begin(), names.end());
        const char* direction = index.firstDirection(placed);
        notices.add(LintSeverity::Warning, "similar_station_names",
                    routes[index.firstRoute(placed)], direction, direction,
                    formatMessage(networkTexts::kSimilarStationNames, {spellings}),
                    std::move(names));
    }
}

// The folded name without a station word ("站", "公交站"...) and then a direction ("东", "(东)")
// at its end: names with one base differ only by these.
std::u16string_view baseName(std::u16string_view name) {
    static const std::u16string_view kStationWords[] = {u"公交站", u"首末站", u"枢纽站", u"总站",
                                                        u"车站",   u"枢纽",   u"站"};
    static const std::u16string_view kDirections[] = {u"(东)", u"(西)", u"(南)", u"(北)",
                                                      u"东",   u"西",   u"南",   u"北"};
    auto strip = [&name](const auto& suffixes) {
        for (const std::u16string_view suffix : suffixes) {
            if (name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix) {
                name.remove_suffix(suffix.size());
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

std::uint64_t hashText(std::u16string_view head, std::u16string_view tail, std::uint64_t seed) {
    return fnv1a64(tail, fnv1a64(head, seed));
}

// Groups of names that may differ by a suffix or by one character, found through shared keys
// so that no pair of all names is ever compared: the base, each one-character deletion, and
// the whole name (which a name one character longer holds as one of its deletions). Keys are
// hashes, so each pair of a group still needs checking.
std::vector<std::vector<StationId>> candidateGroups(const std::vector<std::u16string>& folded) {
    constexpr std::uint64_t kBaseSeed = kFnv1a64Basis;
    constexpr std::uint64_t kSpellingSeed = 0x84222325cbf29ce4ULL;
    std::vector<std::pair<std::uint64_t, StationId>> keys;
    for (StationId id = 0; id < folded.size(); ++id) {
        const std::u16string_view name = folded[id];
        const std::u16string_view base = baseName(name);
        if (base.size() >= kShortestBase && base.size() < name.size()) {
            keys.push_back({hashText(base, {}, kBaseSeed), id});
        }
        if (name.size() >= kShortestForOneCharacter) {
            keys.push_back({hashText(name, {}, kSpellingSeed), id});
            for (std::size_t i = 0; i < name.size(); ++i) {
                keys.push_back(
                    {hashText(name.substr(0, i), name.substr(i + 1), kSpellingSeed), id});
            }
        }
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::vector<StationId>> groups;
    for (std::size_t from = 0; from < keys.size();) {
        std::size_t to = from + 1;
        while (to < keys.size() && keys[to].first == keys[from].first) {
            ++to;
        }
        if (to - from > 1) {
            groups.emplace_back();
            for (std::size_t i = from; i < to; ++i) {
                if (groups.back().empty() || groups.back().back() != keys[i].second) {
                    groups.back().push_back(keys[i].second);
                }
            }
            if (groups.back().size() < 2) {
                groups.pop_back();
            }
        }
        from = to;
    }
    return groups;
}

// Marks a set of stations or routes so that another's can be tested against it in one pass.
class Marks {
public:
    explicit Marks(std::size_t size) : mark_(size, 0) {}
    template <typename T>
    void mark(const T* begin, const T* end) {
        ++round_;
        for (const T* it = begin; it != end; ++it) {
            mark_[*it] = round_;
        }
    }
    // The first of [begin, end) that is marked, or end.
    template <typename T>
    const T* firstMarked(const T* begin, const T* end) const {
        return std::find_if(begin, end, [this](T item) { return mark_[item] == round_; });
    }

private:
    std::vector<std::uint32_t> mark_;
    std::uint32_t round_ = 0;
};

void checkCloseNames(const std::vector<LintedRoute>& routes, const StationIndex& index,
                     const std::vector<std::u16string>& folded, LintNotices& notices) {
    std::vector<std::size_t> baseLength(folded.size());
    for (StationId id = 0; id < folded.size(); ++id) {
        baseLength[id] = baseName(folded[id]).size();
    }
    auto close = [&](StationId a, StationId b) {
        const bool sameBase = baseLength[a] >= kShortestBase && baseLength[a] == baseLength[b] &&
                              folded[a].compare(0, baseLength[a], folded[b], 0, baseLength[b]) == 0;
        return folded[a] != folded[b] &&
               (sameBase ||
                (std::min(folded[a].size(), folded[b].size()) >= kShortestForOneCharacter &&
                 oneCharacterApart(folded[a], folded[b])));
    };
    Marks nextToA(index.size());
    Marks routesOfA(routes.size());
    std::vector<std::pair<StationId, StationId>> found;
    for (const std::vector<StationId>& group : candidateGroups(folded)) {
        for (std::size_t i = 0; i + 1 < group.size(); ++i) {
            const StationId a = group[i];
            nextToA.mark(index.neighboursBegin(a), index.neighboursEnd(a));
            routesOfA.mark(index.routesBegin(a), index.routesEnd(a));
            for (std::size_t j = i + 1; j < group.size(); ++j) {
                const StationId b = group[j];
                // Both next to one station, and no line serving both (which shows two stops).
                if (nextToA.firstMarked(index.neighboursBegin(b), index.neighboursEnd(b)) !=
                        index.neighboursEnd(b) &&
                    routesOfA.firstMarked(index.routesBegin(b), index.routesEnd(b)) ==
                        index.routesEnd(b) &&
                    close(a, b)) {
                    found.push_back(std::minmax(a, b));
                }
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    for (const auto& [a, b] : found) {
        nextToA.mark(index.neighboursBegin(a), index.neighboursEnd(a));
        const StationId neighbour =
            *nextToA.firstMarked(index.neighboursBegin(b), index.neighboursEnd(b));
        const StationId placed = lessUsed(index, a, b);
        const StationId other = placed == a ? b : a;
        const char* direction = index.firstDirection(placed);
        notices.add(LintSeverity::Info, "close_station_names", routes[index.firstRoute(placed)],
                    direction, direction,
                    formatMessage(networkTexts::kCloseStationNames,
                                  {index.name(placed), index.name(other), index.name(neighbour)}),
                    {std::string(std::min(index.name(a), index.name(b))),
                     std::string(std::max(index.name(a), index.name(b)))});
    }
}

}  // namespace

void checkStationNames(const std::vector<LintedRoute>& routes, const StationIndex& index,
                       LintNotices& notices) {
    std::vector<std::u16string> folded;
    folded.reserve(index.size());
    for (StationId id = 0; id < index.size(); ++id) {
        folded.push_back(foldStationNameWide(index.name(id)));
    }
    checkSimilarNames(routes, index, folded, notices);
    checkCloseNames(routes, index, folded, notices);
}
