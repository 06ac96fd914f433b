#pragma once

#include <string>
#include <vector>

#include "core/RouteDatabase.h"

// What changed from one version of a city's network to another, in what the data files hold:
// the header texts, the lines and their fields, and which lines serve each station. The typed
// start and terminal names are not stored, so they are not compared.

struct HeaderChange {
    const char* field;  // a header field name of network/FieldNames.h
    std::string before;
    std::string after;
};

// A station name that disappeared while one other name took exactly its places on every line
// that kept it. Merged: the new name was already a station before.
struct RenamedStation {
    std::string before;
    std::string after;
    int lines = 0;
    bool merged = false;
};

// A station inserted into or removed from a station list, placed by its neighbours in the list
// that holds it (the new list for an insertion, the old one for a removal); a neighbour is
// empty at either end.
struct StationListEdit {
    bool inserted = false;
    std::string station;
    std::string previous;
    std::string next;
};

struct FieldChange {
    const char* field;  // a data line field name of network/FieldNames.h
    // The whole field as text, station lists joined with "-".
    std::string before;
    std::string after;
    // For a station list that has stations on both sides: what was inserted and removed, in
    // list order. Empty for other fields.
    std::vector<StationListEdit> stationEdits;
};

enum class LineChangeKind { Added, Removed, Changed };

struct LineChange {
    std::string name;
    // Which line of that name, counted from 1 in the order of its own version.
    int occurrence = 1;
    LineChangeKind kind = LineChangeKind::Changed;
    std::vector<FieldChange> fields;      // for a changed line
    std::vector<std::string> upStations;  // for an added or removed line
};

struct StationLinesChange {
    std::string station;
    std::vector<std::string> gained;  // line names, in byte order
    std::vector<std::string> lost;
};

struct NetworkDiff {
    std::vector<HeaderChange> header;
    std::vector<RenamedStation> renamedStations;
    std::vector<LineChange> lines;
    std::vector<StationLinesChange> stations;

    bool identical() const {
        return header.empty() && renamedStations.empty() && lines.empty() && stations.empty();
    }
};

// Lines are matched by name, lines of the same name in their order. A renamed station is
// reported once and its new name stands for it everywhere else in the comparison.
NetworkDiff diffNetworks(const RouteDatabase& before, const RouteDatabase& after);
