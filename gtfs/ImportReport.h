#pragma once

#include <cstddef>
#include <string>
#include <vector>

enum class NoticeSeverity { Error, Warning, Info };

// One finding about the feed, placed as GTFS validators place theirs: the file, the record's
// row (the header being row 1; 0 for the file as a whole) and the column. Texts are UTF-8.
struct Notice {
    NoticeSeverity severity = NoticeSeverity::Warning;
    std::string kind;
    std::string file;
    std::size_t row = 0;
    std::string field;
    std::string detail;
};

// Everything an import found, and what it wrote.
struct ImportReport {
    std::vector<Notice> notices;
    std::size_t routes = 0;
    std::size_t tripsUsed = 0;
    std::size_t stops = 0;

    void add(NoticeSeverity severity, const char* kind, const char* file, std::size_t row,
             const std::string& field, const std::string& detail) {
        notices.push_back({severity, kind, file, row, field, detail});
    }
    bool failed() const;

    // One line per notice, then the counts and the notices by kind (UTF-8).
    std::string text() const;
    std::string json() const;
};
