// The checks of each route on its own: its times, its station lists, its typed ends; and
// line names used twice.

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/MessageFormat.h"
#include "network/FieldNames.h"
#include "network/LintChecks.h"
#include "network/NetworkTexts.h"
#include "network/TimeOfDay.h"

namespace {

std::string placeOf(const LintedRoute& route) {
    return route.line != 0
               ? formatMessage(networkTexts::kAtLine, {std::to_string(route.line)})
               : formatMessage(networkTexts::kAtRoute, {std::to_string(route.position)});
}

void checkDuplicateNames(const std::vector<LintedRoute>& routes, LintNotices& notices) {
    std::unordered_map<std::string_view, const LintedRoute*> firstByName;
    for (const LintedRoute& route : routes) {
        const auto [first, isNew] = firstByName.emplace(route.name, &route);
        if (!isNew) {
            notices.add(LintSeverity::Warning, "duplicate_line_name", route, kDirectionUp,
                        fieldNames::kName,
                        formatMessage(networkTexts::kDuplicateLineName,
                                      {route.name, placeOf(*first->second)}),
                        {});
        }
    }
}

// The times of one end: each must read as a time, and the last bus should not leave before the
// first on a day line.
void checkEndTimes(const LintedRoute& route, const char* direction, std::string_view firstBus,
                   const char* firstField, std::string_view lastBus, const char* lastField,
                   LintNotices& notices) {
    int minutes[2] = {-1, -1};
    const std::pair<std::string_view, const char*> times[2] = {{firstBus, firstField},
                                                               {lastBus, lastField}};
    for (int i = 0; i < 2; ++i) {
        const auto& [text, field] = times[i];
        if (!text.empty() && !readTimeOfDay(text, minutes[i])) {
            notices.add(LintSeverity::Warning, "malformed_time", route, direction, field,
                        formatMessage(networkTexts::kMalformedTime, {text}),
                        {field, std::string(text)});
        }
    }
    const int first = minutes[0];
    const int last = minutes[1];
    if (first >= 0 && last >= 0 && first < kMinutesPerDay && last < kMinutesPerDay &&
        last < first) {
        notices.add(LintSeverity::Info, "last_before_first", route, direction, lastField,
                    formatMessage(networkTexts::kLastBeforeFirst, {lastBus, firstBus}),
                    {lastField, std::string(firstBus), std::string(lastBus)});
    }
}

void checkRepeatedStations(const LintedRoute& route, const StationId* begin, const StationId* end,
                           const StationIndex& index, const char* direction, LintNotices& notices) {
    std::vector<StationId> sorted(begin, end);
    // A loop starts and ends at the same station.
    if (sorted.size() > 1 && sorted.front() == sorted.back()) {
        sorted.pop_back();
    }
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) {
        return;
    }
    const char* directionText =
        std::string_view(direction) == kDirectionUp ? networkTexts::kUp : networkTexts::kDown;
    std::vector<StationId> reported;
    for (const StationId* id = begin; id != end; ++id) {
        const auto [from, to] = std::equal_range(sorted.begin(), sorted.end(), *id);
        if (to - from > 1 && std::find(reported.begin(), reported.end(), *id) == reported.end()) {
            reported.push_back(*id);
            const std::string_view station = index.name(*id);
            notices.add(LintSeverity::Warning, "repeated_station", route, direction, direction,
                        formatMessage(networkTexts::kRepeatedStation,
                                      {station, directionText, std::to_string(to - from)}),
                        {std::string(station)});
        }
    }
}

void checkTypedEnds(const LintedRoute& route, LintNotices& notices) {
    if (!route.start.empty() && route.start != route.up.front()) {
        notices.add(LintSeverity::Warning, "end_mismatch", route, kDirectionUp, fieldNames::kStart,
                    formatMessage(networkTexts::kStartMismatch,
                                  {route.start, route.up.front(), route.up.front()}),
                    {fieldNames::kStart, std::string(route.start), std::string(route.up.front())});
    }
    if (!route.terminal.empty() && route.terminal != route.up.back()) {
        notices.add(
            LintSeverity::Warning, "end_mismatch", route, kDirectionUp, fieldNames::kTerminal,
            formatMessage(networkTexts::kTerminalMismatch,
                          {route.terminal, route.up.back(), route.up.back()}),
            {fieldNames::kTerminal, std::string(route.terminal), std::string(route.up.back())});
    }
    if (!route.down.empty() &&
        (route.down.front() != route.up.back() || route.up.front() != route.down.back())) {
        notices.add(
            LintSeverity::Info, "down_ends_differ", route, kDirectionDown, fieldNames::kDown,
            formatMessage(networkTexts::kDownEndsDiffer, {route.up.front(), route.up.back(),
                                                          route.down.front(), route.down.back()}),
            {std::string(route.down.front()), std::string(route.down.back())});
    }
}

}  // namespace

void checkRoutes(const std::vector<LintedRoute>& routes, const StationIndex& index,
                 LintNotices& notices) {
    checkDuplicateNames(routes, notices);
    for (RouteIndex r = 0; r < routes.size(); ++r) {
        const LintedRoute& route = routes[r];
        checkEndTimes(route, kDirectionUp, route.startFirst, fieldNames::kStartFirst,
                      route.startLast, fieldNames::kStartLast, notices);
        checkEndTimes(route, kDirectionDown, route.terminalFirst, fieldNames::kTerminalFirst,
                      route.terminalLast, fieldNames::kTerminalLast, notices);
        if (route.down.empty() && (!route.terminalFirst.empty() || !route.terminalLast.empty())) {
            notices.add(LintSeverity::Info, "one_way_terminal_times", route, kDirectionUp,
                        fieldNames::kTerminalFirst,
                        formatMessage(networkTexts::kOneWayTerminalTimes,
                                      {route.terminalFirst, route.terminalLast}),
                        {});
        }
        checkRepeatedStations(route, index.upBegin(r), index.upEnd(r), index, kDirectionUp,
                              notices);
        checkRepeatedStations(route, index.downBegin(r), index.downEnd(r), index, kDirectionDown,
                              notices);
        checkTypedEnds(route, notices);
    }
}
