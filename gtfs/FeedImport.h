#pragma once

#include <string>

#include "core/RouteDatabase.h"
#include "gtfs/ImportBudget.h"
#include "gtfs/ImportReport.h"

// What the user gives beside the feed. Texts are GBK; an empty city takes the agency's name.
struct ImportOptions {
    bool byDate = false;
    long day = 0;  // days since 1970-01-01, when byDate
    std::string city;
    std::string author;
    std::string memo;
    // The stop_times.txt rows held at once when a trip's rows are not together.
    std::size_t stopTimesHeld = 1 << 20;
    // What the import may keep of the feed and the lines built from it, in bytes.
    std::size_t bytesKept = ImportBudget::kDefaultBytes;
};

// Reads the GTFS feed at path (a directory or a zip archive) into the database's header and
// routes: one route per feed route that has trips and that the input text can hold. Every
// file is read and every error reported, up to a limit, with the counts of what was imported.
// False after an error notice; the database is then incomplete and must not be written.
bool importFeed(const std::string& path, const ImportOptions& options, RouteDatabase& database,
                ImportReport& report);
