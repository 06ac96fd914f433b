#include "gtfs/ServiceCalendar.h"

#include <algorithm>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/NoticeText.h"

namespace {

constexpr const char* kWeekdayColumns[7] = {"monday", "tuesday",  "wednesday", "thursday",
                                            "friday", "saturday", "sunday"};

bool readDate(CsvTable& table, int column, const char* name, long& day) {
    const std::string_view text = table.value(column);
    if (!parseGtfsDate(text, day)) {
        return table.error(gtfsTexts::kMalformedDate, name,
                           noticeText(gtfsTexts::kDateDetail, {text}));
    }
    return true;
}

// A number that must be one of two values.
bool readFlag(CsvTable& table, int column, const char* name,
              std::pair<std::uint32_t, std::uint32_t> allowed, std::uint32_t& value) {
    if (!table.number(column, name, value)) {
        return false;
    }
    if (value != allowed.first && value != allowed.second) {
        return table.error(gtfsTexts::kMalformedNumber, name,
                           noticeText(gtfsTexts::kNumberDetail, {table.value(column)}));
    }
    return true;
}

// A row's service id kept as a map's key, with the map's node and a week or a day.
std::size_t rowCost(std::string_view serviceId) {
    return 2 * serviceId.size() + 96;
}

}  // namespace

void ServiceCalendar::read(const FeedFiles& feed, ImportBudget& budget, ImportReport& report) {
    readWeeks(feed, budget, report);
    readExceptions(feed, budget, report);
}

void ServiceCalendar::readWeeks(const FeedFiles& feed, ImportBudget& budget, ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kCalendar, report);
    if (!table.open(false)) {
        return;
    }
    hasFiles_ = true;
    if (!table.require({"service_id", "monday", "tuesday", "wednesday", "thursday", "friday",
                        "saturday", "sunday", "start_date", "end_date"})) {
        return;
    }
    const int serviceColumn = table.column("service_id");
    const int startColumn = table.column("start_date");
    const int endColumn = table.column("end_date");
    while (table.next()) {
        if (!table.keep(budget, rowCost(table.value(serviceColumn)))) {
            return;
        }
        Week week;
        bool valid = true;
        for (int day = 0; day < 7; ++day) {
            std::uint32_t flag = 0;
            valid = readFlag(table, table.column(kWeekdayColumns[day]), kWeekdayColumns[day],
                             {0, 1}, flag) &&
                    valid;
            week.weekdays[day] = flag == 1;
        }
        valid = readDate(table, startColumn, "start_date", week.first) && valid;
        valid = readDate(table, endColumn, "end_date", week.last) && valid;
        if (valid) {
            weeks_[std::string(table.value(serviceColumn))] = week;
        }
    }
}

void ServiceCalendar::readExceptions(const FeedFiles& feed, ImportBudget& budget,
                                     ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kCalendarDates, report);
    if (!table.open(false)) {
        return;
    }
    hasFiles_ = true;
    if (!table.require({"service_id", "date", "exception_type"})) {
        return;
    }
    const int serviceColumn = table.column("service_id");
    const int dateColumn = table.column("date");
    const int typeColumn = table.column("exception_type");
    while (table.next()) {
        if (!table.keep(budget, rowCost(table.value(serviceColumn)))) {
            return;
        }
        long day = 0;
        std::uint32_t type = 0;
        const bool dated = readDate(table, dateColumn, "date", day);
        if (readFlag(table, typeColumn, "exception_type", {1, 2}, type) && dated) {
            exceptions_[std::string(table.value(serviceColumn))].emplace_back(day, type == 1);
        }
    }
}

bool ServiceCalendar::runsOn(const std::string& serviceId, long day) const {
    const auto exceptions = exceptions_.find(serviceId);
    if (exceptions != exceptions_.end()) {
        for (const auto& [exceptionDay, added] : exceptions->second) {
            if (exceptionDay == day) {
                return added;
            }
        }
    }
    const auto week = weeks_.find(serviceId);
    return week != weeks_.end() && day >= week->second.first && day <= week->second.last &&
           week->second.weekdays[weekdayOf(day)];
}

bool ServiceCalendar::period(long& first, long& last) const {
    bool found = false;
    auto include = [&](long from, long to) {
        first = found ? std::min(first, from) : from;
        last = found ? std::max(last, to) : to;
        found = true;
    };
    for (const auto& [id, week] : weeks_) {
        include(week.first, week.last);
    }
    for (const auto& [id, days] : exceptions_) {
        for (const auto& [day, added] : days) {
            if (added) {
                include(day, day);
            }
        }
    }
    return found;
}
