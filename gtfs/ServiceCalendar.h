#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gtfs/FeedFiles.h"
#include "gtfs/ImportBudget.h"
#include "gtfs/ImportReport.h"
#include "gtfs/KeyedHash.h"

// The days each service runs: calendar.txt gives weekdays within a date range,
// calendar_dates.txt adds (exception_type 1) and removes (2) single days. Both are optional.
class ServiceCalendar {
public:
    // Reads the two files where the feed has them, reporting every error, and takes what it
    // keeps from the budget.
    void read(const FeedFiles& feed, ImportBudget& budget, ImportReport& report);

    bool empty() const { return !hasFiles_; }
    bool runsOn(const std::string& serviceId, long day) const;
    // The first and last day of any service; false when the files name no day.
    bool period(long& first, long& last) const;

private:
    struct Week {
        bool weekdays[7] = {};
        long first = 0;
        long last = 0;
    };

    void readWeeks(const FeedFiles& feed, ImportBudget& budget, ImportReport& report);
    void readExceptions(const FeedFiles& feed, ImportBudget& budget, ImportReport& report);

    bool hasFiles_ = false;
    std::unordered_map<std::string, Week, KeyedTextHash> weeks_;
    std::unordered_map<std::string, std::vector<std::pair<long, bool>>, KeyedTextHash> exceptions_;
};
