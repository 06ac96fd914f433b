#pragma once

#include <string>
#include <vector>

#include "core/RouteDatabase.h"

// Something in the database that the input text format cannot say, so that converting the
// written text would not give the same data files. line is the 1-based line of the text.
struct InputTextProblem {
    std::size_t line = 0;
    std::string route;  // the route's name, empty for a header line
    std::string what;
};

// Writes the database as an input text file (GBK, LF line ends): the four header markers with
// their values, "[datasection]", and one data line per route. The start and terminal stations
// are the route's own, or where it has none the first and last up stations; the down stations are
// written as "略" when they are the up stations reversed and as "无" when there are none. Every
// problem is added to problems; the text is written as it stands nonetheless.
std::string writeInputText(const RouteDatabase& database, std::vector<InputTextProblem>& problems);
