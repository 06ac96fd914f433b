#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/RouteDatabase.h"

// Renaming a station everywhere it stands: in the up and down station lists, and in the typed
// start and terminal fields that hold exactly its name.

// A line the rename changed.
struct RenamedLine {
    std::size_t lineNumber = 0;  // in the input text, counted from 1; 0 for routes in memory
    std::string name;
    std::vector<const char*> fields;  // the field names of network/FieldNames.h that changed
};

struct StationRename {
    std::vector<RenamedLine> lines;
    bool merged = false;  // the new name already stood in a station list
};

// Why name cannot stand in a station list of an input text unchanged, or empty when it can.
std::string stationNameProblem(std::string_view gbkName);

// Renames in an input text (GBK) read field by field as parsing reads it; renamed receives the
// text with the names replaced and every other byte as it was.
StationRename renameStationInText(std::string_view text, std::string_view oldName,
                                  std::string_view newName, std::string& renamed);

// Renames in the routes of a database.
StationRename renameStationInRoutes(RouteDatabase& database, const std::string& oldName,
                                    const std::string& newName);
