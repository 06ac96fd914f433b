#include "gtfs/ServiceCalendar.h"

#include <algorithm>

#include "gtfs/FeedTable.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/NoticeText.h"

namespace {

constexpr const char* kWeekdayColumns[7] = {"monday", "tuesday",  "wednesday", "thursday",
                                            "friday", "saturday", "sunday"};

bool readDate(FeedTable& table, int column, const char* name, long& day) {
    const std::string_view text = table.value(column);
    if (!parseGtfsDate(text, day)) {
        return table.error(gtfsTexts::kMalformedDate, name,
                           noticeText(gtfsTexts::kDateDetail, {text}));
    }
    return true;
}

}  // namespace

bool ServiceCalendar::read(const FeedFiles& feed, ImportReport& report) {
    return readWeeks(feed, report) && readExceptions(feed, report);
}

bool ServiceCalendar::readWeeks(const FeedFiles& feed, ImportReport& report) {
    FeedTable table(feed, "calendar.txt", report);
    if (!table.open(false)) {
        return !report.failed();
    }
    hasFiles_ = true;
    if (!table.require({"service_id", "monday", "tuesday", "wednesday", "thursday", "friday",
                        "saturday", "sunday", "start_date", "end_date"})) {
        return false;
    }
    const int serviceColumn = table.column("service_id");
    const int startColumn = table.column("start_date");
    const int endColumn = table.column("end_date");
    while (table.next()) {
        Week week;
        for (int day = 0; day < 7; ++day) {
            const std::string_view flag = table.value(table.column(kWeekdayColumns[day]));
            if (flag != "0" && flag != "1") {
                return table.error(gtfsTexts::kMalformedNumber, kWeekdayColumns[day],
                                   noticeText(gtfsTexts::kNumberDetail, {flag}));
            }
            week.weekdays[day] = flag == "1";
        }
        if (!readDate(table, startColumn, "start_date", week.first) ||
            !readDate(table, endColumn, "end_date", week.last)) {
            return false;
        }
        weeks_[std::string(table.value(serviceColumn))] = week;
    }
    return !report.failed();
}

bool ServiceCalendar::readExceptions(const FeedFiles& feed, ImportReport& report) {
    FeedTable table(feed, "calendar_dates.txt", report);
    if (!table.open(false)) {
        return !report.failed();
    }
    hasFiles_ = true;
    if (!table.require({"service_id", "date", "exception_type"})) {
        return false;
    }
    const int serviceColumn = table.column("service_id");
    const int dateColumn = table.column("date");
    const int typeColumn = table.column("exception_type");
    while (table.next()) {
        long day = 0;
        if (!readDate(table, dateColumn, "date", day)) {
            return false;
        }
        const std::string_view type = table.value(typeColumn);
        if (type != "1" && type != "2") {
            return table.error(gtfsTexts::kMalformedNumber, "exception_type",
                               noticeText(gtfsTexts::kNumberDetail, {type}));
        }
        exceptions_[std::string(table.value(serviceColumn))].emplace_back(day, type == "1");
    }
    return !report.failed();
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
