#include "network/DiffReport.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/NetworkTexts.h"

namespace {

using nlohmann::json;

// A value as one line of the terminal: header texts end in their line break.
std::string shown(std::string value) {
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) {
        value.pop_back();
    }
    return value.empty() ? networkTexts::kDiffEmptyValue : value;
}

std::string lineLabel(const LineChange& line) {
    return line.occurrence > 1 ? formatMessage(networkTexts::kDiffNthLine,
                                               {line.name, std::to_string(line.occurrence)})
                               : line.name;
}

std::string place(const StationListEdit& edit) {
    if (!edit.previous.empty() && !edit.next.empty()) {
        return formatMessage(networkTexts::kDiffPlaceBetween, {edit.previous, edit.next});
    }
    if (!edit.next.empty()) {
        return formatMessage(networkTexts::kDiffPlaceBefore, {edit.next});
    }
    if (!edit.previous.empty()) {
        return formatMessage(networkTexts::kDiffPlaceAfter, {edit.previous});
    }
    return std::string();
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : networkTexts::kDiffListSeparator) + name;
    }
    return text;
}

void appendLine(std::string& text, const LineChange& line) {
    if (line.kind != LineChangeKind::Changed) {
        const std::vector<std::string>& up = line.upStations;
        text += formatMessage(line.kind == LineChangeKind::Added ? networkTexts::kDiffLineAdded
                                                                 : networkTexts::kDiffLineRemoved,
                              {lineLabel(line), up.empty() ? "" : up.front(),
                               up.empty() ? "" : up.back(), std::to_string(up.size())});
        return;
    }
    text += formatMessage(networkTexts::kDiffLineChanged, {lineLabel(line)});
    for (const FieldChange& field : line.fields) {
        if (field.stationEdits.empty()) {
            text += formatMessage(networkTexts::kDiffFieldChange,
                                  {field.field, shown(field.before), shown(field.after)});
        }
        for (const StationListEdit& edit : field.stationEdits) {
            text += formatMessage(edit.inserted ? networkTexts::kDiffStationInserted
                                                : networkTexts::kDiffStationRemoved,
                                  {field.field, edit.station, place(edit)});
        }
    }
}

json utf8List(const std::vector<std::string>& names) {
    json list = json::array();
    for (const std::string& name : names) {
        list.push_back(gbkToUtf8(name));
    }
    return list;
}

json lineJson(const LineChange& line) {
    static const char* const kinds[] = {"added", "removed", "changed"};
    json entry = {{"name", gbkToUtf8(line.name)},
                  {"occurrence", line.occurrence},
                  {"change", kinds[static_cast<int>(line.kind)]},
                  {"fields", json::array()}};
    if (line.kind != LineChangeKind::Changed) {
        entry["up"] = utf8List(line.upStations);
    }
    for (const FieldChange& field : line.fields) {
        json change = {{"field", field.field},
                       {"old", gbkToUtf8(field.before)},
                       {"new", gbkToUtf8(field.after)}};
        if (!field.stationEdits.empty()) {
            change["inserted"] = json::array();
            change["removed"] = json::array();
        }
        for (const StationListEdit& edit : field.stationEdits) {
            change[edit.inserted ? "inserted" : "removed"].push_back(
                {{"station", gbkToUtf8(edit.station)},
                 {"previous", gbkToUtf8(edit.previous)},
                 {"next", gbkToUtf8(edit.next)}});
        }
        entry["fields"].push_back(std::move(change));
    }
    return entry;
}

}  // namespace

std::string diffText(const NetworkDiff& diff) {
    using namespace networkTexts;
    if (diff.identical()) {
        return kDiffIdentical;
    }
    std::string text;
    if (!diff.header.empty()) {
        text += kDiffHeaderSection;
        for (const HeaderChange& change : diff.header) {
            text += formatMessage(kDiffValueChange,
                                  {change.field, shown(change.before), shown(change.after)});
        }
    }
    if (!diff.renamedStations.empty()) {
        text += kDiffRenamedSection;
        for (const RenamedStation& renamed : diff.renamedStations) {
            text += formatMessage(renamed.merged ? kDiffMerged : kDiffRenamed,
                                  {renamed.before, renamed.after, std::to_string(renamed.lines)});
        }
    }
    if (!diff.lines.empty()) {
        text += kDiffLinesSection;
        for (const LineChange& line : diff.lines) {
            appendLine(text, line);
        }
    }
    if (!diff.stations.empty()) {
        // Stations that changed alike are one line, so a line added or removed is one line.
        std::vector<std::pair<std::string, std::vector<std::string>>> groups;
        for (const StationLinesChange& station : diff.stations) {
            std::string what;
            if (!station.gained.empty()) {
                what = formatMessage(kDiffGainedLines, {joined(station.gained)});
            }
            if (!station.lost.empty()) {
                what += (what.empty() ? "" : kDiffPartSeparator) +
                        formatMessage(kDiffLostLines, {joined(station.lost)});
            }
            auto group = std::find_if(groups.begin(), groups.end(),
                                      [&what](const auto& g) { return g.first == what; });
            if (group == groups.end()) {
                group = groups.insert(groups.end(), {what, {}});
            }
            group->second.push_back(station.station);
        }
        text += kDiffStationsSection;
        for (const auto& [what, stations] : groups) {
            text += formatMessage(kDiffStationGroup, {what, joined(stations)});
        }
    }
    text += formatMessage(
        kDiffSummary,
        {std::to_string(diff.header.size()), std::to_string(diff.renamedStations.size()),
         std::to_string(diff.lines.size()), std::to_string(diff.stations.size())});
    return text;
}

std::string diffJson(const NetworkDiff& diff) {
    json document = {{"identical", diff.identical()},
                     {"header", json::array()},
                     {"renamed_stations", json::array()},
                     {"lines", json::array()},
                     {"stations", json::array()}};
    for (const HeaderChange& change : diff.header) {
        document["header"].push_back({{"field", change.field},
                                      {"old", gbkToUtf8(change.before)},
                                      {"new", gbkToUtf8(change.after)}});
    }
    for (const RenamedStation& renamed : diff.renamedStations) {
        document["renamed_stations"].push_back({{"old", gbkToUtf8(renamed.before)},
                                                {"new", gbkToUtf8(renamed.after)},
                                                {"lines", renamed.lines},
                                                {"merged", renamed.merged}});
    }
    for (const LineChange& line : diff.lines) {
        document["lines"].push_back(lineJson(line));
    }
    for (const StationLinesChange& station : diff.stations) {
        document["stations"].push_back({{"name", gbkToUtf8(station.station)},
                                        {"gained", utf8List(station.gained)},
                                        {"lost", utf8List(station.lost)}});
    }
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}
