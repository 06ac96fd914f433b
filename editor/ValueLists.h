#pragma once

#include <string>
#include <vector>

#include "core/RouteDatabase.h"

// The values the editor's value boxes offer: every distinct non-empty first-bus time of
// either end, last-bus time of either end and line type of the database, in first-seen order.
struct ValueLists {
    std::vector<std::string> firstBus;
    std::vector<std::string> lastBus;
    std::vector<std::string> lineTypes;
};

ValueLists collectValueLists(const RouteDatabase& database);
