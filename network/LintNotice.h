#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One finding of lint about a city's lines. Kinds, severities, fields and directions are ASCII
// identifiers that scripts read; the route, the names and the detail are GBK.
enum class LintSeverity { Error, Warning, Info };

struct LintNotice {
    LintSeverity severity = LintSeverity::Warning;
    std::string kind;
    // Placed either by the line of an input text (line counts from 1) or, for a data folder,
    // by the route's name and direction ("up" or "down"; line is then 0).
    std::string file;
    std::size_t line = 0;
    std::string route;
    std::string direction;
    std::string field;  // a data line's or the header's field name; empty for a whole line
    std::string detail;
    // What the notice is about (the station names, the time, the marker): with the kind and the
    // route, what identifies it in an accepted list whatever line it stands on.
    std::vector<std::string> names;

    bool placedByLine() const { return line != 0; }
};

const char* severityName(LintSeverity severity);
