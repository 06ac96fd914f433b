#include "network/NetworkDiff.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/FieldReader.h"
#include "network/FieldNames.h"
#include "network/StationListAlignment.h"

namespace {

using StationList = std::vector<std::string>;

// A line of the old version and its partner in the new one.
struct LinePair {
    std::size_t before;
    std::size_t after;
    int occurrence;
};

struct Directions {
    StationList up;
    StationList down;
};

bool holds(const StationList& list, const std::string& station) {
    return std::find(list.begin(), list.end(), station) != list.end();
}

void replaceStation(StationList& list, const std::string& from, const std::string& to) {
    std::replace(list.begin(), list.end(), from, to);
}

std::vector<StationListEdit> listEdits(const StationList& before, const StationList& after) {
    const StationListAlignment alignment = alignStationLists(before, after);
    const auto neighbour = [](const StationList& list, std::size_t at, int step) {
        const std::size_t position = at + static_cast<std::size_t>(step);
        return position < list.size() ? list[position] : std::string();
    };
    std::vector<StationListEdit> edits;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < before.size() || j < after.size()) {
        if (i < before.size() && alignment.partnerOfBefore[i] < 0) {
            edits.push_back({false, before[i], neighbour(before, i, -1), neighbour(before, i, 1)});
            ++i;
        } else if (j < after.size() && alignment.partnerOfAfter[j] < 0) {
            edits.push_back({true, after[j], neighbour(after, j, -1), neighbour(after, j, 1)});
            ++j;
        } else {
            ++i;
            ++j;
        }
    }
    return edits;
}

class Comparison {
public:
    Comparison(const RouteDatabase& before, const RouteDatabase& after)
        : before_(before), after_(after) {
        for (const auto& route : before.routes) {
            working_.push_back({route->upStations, route->downStations});
        }
    }

    NetworkDiff run() {
        compareHeader();
        matchLines();
        findRenames();
        compareLines();
        compareStations();
        return std::move(diff_);
    }

private:
    void compareHeader() {
        const DatabaseHeader& a = before_.header;
        const DatabaseHeader& b = after_.header;
        const std::pair<const char*, std::pair<const std::string*, const std::string*>> texts[] = {
            {fieldNames::kCity, {&a.city, &b.city}},
            {fieldNames::kDate, {&a.date, &b.date}},
            {fieldNames::kAuthor, {&a.author, &b.author}},
            {fieldNames::kMemo, {&a.memo, &b.memo}}};
        for (const auto& [field, values] : texts) {
            if (*values.first != *values.second) {
                diff_.header.push_back({field, *values.first, *values.second});
            }
        }
    }

    void matchLines() {
        std::map<std::string, std::vector<std::size_t>> afterByName;
        for (std::size_t j = 0; j < after_.routes.size(); ++j) {
            afterByName[after_.routes[j]->name].push_back(j);
        }
        std::map<std::string, std::size_t> seen;
        matchedAfter_.assign(after_.routes.size(), false);
        partnerOfBefore_.assign(before_.routes.size(), -1);
        for (std::size_t i = 0; i < before_.routes.size(); ++i) {
            const std::size_t k = seen[before_.routes[i]->name]++;
            const std::vector<std::size_t>& sameName = afterByName[before_.routes[i]->name];
            if (k < sameName.size()) {
                partnerOfBefore_[i] = static_cast<int>(pairs_.size());
                pairs_.push_back({i, sameName[k], static_cast<int>(k + 1)});
                matchedAfter_[sameName[k]] = true;
            }
        }
    }

    static std::set<std::string> stationsOf(const std::vector<Directions>& lines) {
        std::set<std::string> names;
        for (const Directions& line : lines) {
            names.insert(line.up.begin(), line.up.end());
            names.insert(line.down.begin(), line.down.end());
        }
        return names;
    }

    std::vector<Directions> afterLines() const {
        std::vector<Directions> lines;
        for (const auto& route : after_.routes) {
            lines.push_back({route->upStations, route->downStations});
        }
        return lines;
    }

    // The lists of a matched pair, old (renames applied) and new, one direction at a time.
    template <typename Visit>
    void forEachDirection(const LinePair& pair, Visit visit) const {
        const Route& after = *after_.routes[pair.after];
        visit(working_[pair.before].up, after.upStations);
        visit(working_[pair.before].down, after.downStations);
    }

    // The places around place i of the old list up to the nearest anchors on either side,
    // [low, high), and the new list's entries between the anchors' partners, [afterLow,
    // afterHigh); a run at an end of the list reaches that end of both lists.
    struct Run {
        std::size_t low;
        std::size_t high;
        std::size_t afterLow;
        std::size_t afterHigh;
    };

    template <typename Anchor>
    static Run runAround(std::size_t i, const std::vector<int>& partner, std::size_t afterSize,
                         Anchor anchor) {
        Run run{i, i + 1, 0, afterSize};
        while (run.low > 0 && !anchor(run.low - 1)) {
            --run.low;
        }
        while (run.high < partner.size() && !anchor(run.high)) {
            ++run.high;
        }
        if (run.low > 0) {
            run.afterLow = static_cast<std::size_t>(partner[run.low - 1]) + 1;
        }
        if (run.high < partner.size()) {
            run.afterHigh = static_cast<std::size_t>(partner[run.high]);
        }
        return run;
    }

    // For each place of from in the old list, the entries of the new list that can have taken
    // it: in the run of unmatched entries that holds the place, the entry as far from the
    // start of the run, and the one as far from its end.
    static std::vector<StationList> standIns(const StationList& before, const StationList& after,
                                             const std::string& from) {
        std::vector<StationList> found;
        if (!holds(before, from)) {
            return found;
        }
        const StationListAlignment alignment = alignStationLists(before, after);
        const auto& partner = alignment.partnerOfBefore;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] != from) {
                continue;
            }
            const Run run =
                runAround(i, partner, after.size(), [&](std::size_t k) { return partner[k] >= 0; });
            const std::size_t fromStart = run.afterLow + (i - run.low);
            const std::size_t fromEnd = run.high - 1 - i;
            StationList& place = found.emplace_back();
            if (fromStart < run.afterHigh) {
                place.push_back(after[fromStart]);
            }
            if (fromEnd < run.afterHigh - run.afterLow) {
                place.push_back(after[run.afterHigh - 1 - fromEnd]);
            }
        }
        return found;
    }

    // Whether to stands in the new list at every place of from in the old one: with from
    // renamed, each place is matched, as far from the matched stations before it or after it
    // (other than from's own places) as in the old list.
    static bool placesTaken(const StationList& before, const StationList& after,
                            const std::string& from, const std::string& to) {
        StationList renamed = before;
        replaceStation(renamed, from, to);
        const std::vector<int> partner = alignStationLists(renamed, after).partnerOfBefore;
        const auto anchor = [&](std::size_t k) { return before[k] != from && partner[k] >= 0; };
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] != from) {
                continue;
            }
            if (partner[i] < 0) {
                return false;
            }
            const auto j = static_cast<std::size_t>(partner[i]);
            const Run run = runAround(i, partner, after.size(), anchor);
            if (j - run.afterLow != i - run.low && run.afterHigh - 1 - j != run.high - 1 - i) {
                return false;
            }
        }
        return true;
    }

    // The names that can have taken the old name's places on the first matched line that
    // holds it.
    std::vector<std::string> renameCandidates(const std::string& from) const {
        std::vector<std::string> candidates;
        for (const LinePair& pair : pairs_) {
            forEachDirection(pair, [&](const StationList& before, const StationList& after) {
                for (const StationList& place : standIns(before, after, from)) {
                    for (const std::string& name : place) {
                        if (!holds(candidates, name)) {
                            candidates.push_back(name);
                        }
                    }
                }
            });
            if (!candidates.empty()) {
                break;
            }
        }
        return candidates;
    }

    // How many matched lines hold from, when to has taken each of its places on every one of
    // them; 0 when it has not.
    int renamedLineCount(const std::string& from, const std::string& to) const {
        int lines = 0;
        for (const LinePair& pair : pairs_) {
            bool holdsName = false;
            bool fits = true;
            forEachDirection(pair, [&](const StationList& before, const StationList& after) {
                if (!holds(before, from)) {
                    return;
                }
                holdsName = true;
                fits = fits && placesTaken(before, after, from, to);
            });
            if (!fits) {
                return 0;
            }
            lines += holdsName ? 1 : 0;
        }
        return lines;
    }

    void findRenames() {
        std::set<std::string> beforeNames = stationsOf(working_);
        const std::set<std::string> afterNames = stationsOf(afterLines());
        std::vector<std::string> disappeared;
        for (const std::string& name : beforeNames) {
            if (afterNames.count(name) == 0) {
                disappeared.push_back(name);
            }
        }
        for (const std::string& from : disappeared) {
            for (const std::string& to : renameCandidates(from)) {
                const int lines = renamedLineCount(from, to);
                if (lines == 0) {
                    continue;
                }
                diff_.renamedStations.push_back({from, to, lines, beforeNames.count(to) != 0});
                for (Directions& line : working_) {
                    replaceStation(line.up, from, to);
                    replaceStation(line.down, from, to);
                }
                beforeNames.erase(from);
                beforeNames.insert(to);
                break;
            }
        }
    }

    LineChange changesOf(const LinePair& pair) const {
        const Route& a = *before_.routes[pair.before];
        const Route& b = *after_.routes[pair.after];
        LineChange change{a.name, pair.occurrence, LineChangeKind::Changed, {}, {}};
        const auto text = [&](const char* field, const std::string& x, const std::string& y) {
            if (x != y) {
                change.fields.push_back({field, x, y, {}});
            }
        };
        const auto list = [&](const char* field, const StationList& x, const StationList& y) {
            if (x != y) {
                change.fields.push_back(
                    {field, joinStations(x), joinStations(y),
                     x.empty() || y.empty() ? std::vector<StationListEdit>() : listEdits(x, y)});
            }
        };
        text(fieldNames::kStartFirst, a.start.firstBus, b.start.firstBus);
        text(fieldNames::kStartLast, a.start.lastBus, b.start.lastBus);
        text(fieldNames::kTerminalFirst, a.terminal.firstBus, b.terminal.firstBus);
        text(fieldNames::kTerminalLast, a.terminal.lastBus, b.terminal.lastBus);
        text(fieldNames::kType, a.lineType, b.lineType);
        list(fieldNames::kUp, working_[pair.before].up, b.upStations);
        list(fieldNames::kDown, working_[pair.before].down, b.downStations);
        text(fieldNames::kExtra, a.extraInfo, b.extraInfo);
        return change;
    }

    void compareLines() {
        std::map<std::string, int> seen;
        for (std::size_t i = 0; i < before_.routes.size(); ++i) {
            const int occurrence = ++seen[before_.routes[i]->name];
            if (partnerOfBefore_[i] < 0) {
                diff_.lines.push_back({before_.routes[i]->name,
                                       occurrence,
                                       LineChangeKind::Removed,
                                       {},
                                       working_[i].up});
                continue;
            }
            LineChange change = changesOf(pairs_[static_cast<std::size_t>(partnerOfBefore_[i])]);
            if (!change.fields.empty()) {
                diff_.lines.push_back(std::move(change));
            }
        }
        seen.clear();
        for (std::size_t j = 0; j < after_.routes.size(); ++j) {
            const Route& route = *after_.routes[j];
            const int occurrence = ++seen[route.name];
            if (!matchedAfter_[j]) {
                diff_.lines.push_back(
                    {route.name, occurrence, LineChangeKind::Added, {}, route.upStations});
            }
        }
    }

    void compareStations() {
        // For each station, the names of the lines that serve it, old and new.
        std::map<std::string, std::pair<std::set<std::string>, std::set<std::string>>> served;
        const auto add = [&served](const StationList& list, const std::string& line, bool after) {
            for (const std::string& station : list) {
                auto& lines = served[station];
                (after ? lines.second : lines.first).insert(line);
            }
        };
        for (std::size_t i = 0; i < before_.routes.size(); ++i) {
            add(working_[i].up, before_.routes[i]->name, false);
            add(working_[i].down, before_.routes[i]->name, false);
        }
        for (const auto& route : after_.routes) {
            add(route->upStations, route->name, true);
            add(route->downStations, route->name, true);
        }
        for (const auto& [station, lines] : served) {
            StationLinesChange change{station, {}, {}};
            std::set_difference(lines.second.begin(), lines.second.end(), lines.first.begin(),
                                lines.first.end(), std::back_inserter(change.gained));
            std::set_difference(lines.first.begin(), lines.first.end(), lines.second.begin(),
                                lines.second.end(), std::back_inserter(change.lost));
            if (!change.gained.empty() || !change.lost.empty()) {
                diff_.stations.push_back(std::move(change));
            }
        }
    }

    const RouteDatabase& before_;
    const RouteDatabase& after_;
    std::vector<Directions> working_;
    std::vector<LinePair> pairs_;
    std::vector<int> partnerOfBefore_;
    std::vector<bool> matchedAfter_;
    NetworkDiff diff_;
};

}  // namespace

NetworkDiff diffNetworks(const RouteDatabase& before, const RouteDatabase& after) {
    return Comparison(before, after).run();
}
