#include "gtfs/FeedImport.h"

#include <memory>
#include <set>
#include <unordered_map>

#include "core/InputTextWriter.h"
#include "gtfs/DirectionPlan.h"
#include "gtfs/FeedTables.h"
#include "gtfs/FeedText.h"
#include "gtfs/Frequencies.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/KeyedHash.h"
#include "gtfs/LineBuilder.h"
#include "gtfs/NoticeText.h"
#include "gtfs/ServiceCalendar.h"
#include "gtfs/StopNames.h"
#include "gtfs/StopTimes.h"

namespace {

constexpr char kAgencySeparator[] = "、";
constexpr char kPeriodSeparator[] = "至";

std::string cityOf(const FeedModel& model, ImportReport& report) {
    std::string city;
    for (const FeedAgency& agency : model.agencies) {
        const std::string name =
            feedTextToGbk(agency.name, TextRole::HeaderValue,
                          {gtfsFiles::kAgency, agency.row, "agency_name"}, report);
        city += (city.empty() ? "" : kAgencySeparator) + name;
    }
    return city;
}

// The day given, or the feed's service period: feed_info.txt's dates, else the calendar's.
std::string dateOf(const FeedModel& model, const ServiceCalendar& calendar,
                   const ImportOptions& options) {
    if (options.byDate) {
        return formatDate(options.day);
    }
    long first = 0;
    long last = 0;
    if (!parseGtfsDate(model.feedStartDate, first) || !parseGtfsDate(model.feedEndDate, last)) {
        if (!calendar.period(first, last)) {
            return "";
        }
    }
    return formatDate(first) + kPeriodSeparator + formatDate(last);
}

// Gives routes of the same name a suffix with their route_id, and reports each.
void tellApartSameNames(const FeedModel& model, const std::vector<std::uint32_t>& feedRoutes,
                        RouteDatabase& database, ImportReport& report) {
    std::unordered_map<std::string, std::uint32_t, KeyedTextHash> firstWithName;
    for (std::size_t i = 0; i < database.routes.size(); ++i) {
        Route& line = *database.routes[i];
        const FeedRoute& route = model.routes[feedRoutes[i]];
        const auto [first, added] = firstWithName.emplace(line.name, feedRoutes[i]);
        if (added) {
            continue;
        }
        const std::string original = line.name;
        line.name += "(" +
                     feedTextToGbk(route.id, TextRole::Field,
                                   {gtfsFiles::kRoutes, route.row, "route_id"}, report) +
                     ")";
        report.add(NoticeSeverity::Warning, gtfsTexts::kDuplicateRouteName, gtfsFiles::kRoutes,
                   route.row, route.shortName.empty() ? "route_long_name" : "route_short_name",
                   noticeText(gtfsTexts::kDuplicateNameDetail,
                              {model.routes[first->second].id, route.id, gbkToUtf8(original),
                               gbkToUtf8(line.name)}));
    }
}

// Leaves out, with a warning, each line the input text cannot hold as it is: a field or line
// too long for the converter, down stations the same as up in the same order (which the
// converter would take for a reversed list), and the like. What is written then converts.
void leaveOutUnwritable(const FeedModel& model, std::vector<std::uint32_t>& feedRoutes,
                        std::vector<std::size_t>& tripCounts, RouteDatabase& database,
                        ImportReport& report) {
    RouteDatabase single;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < database.routes.size(); ++i) {
        single.routes.clear();
        single.routes.push_back(std::move(database.routes[i]));
        std::vector<InputTextProblem> problems;
        writeInputText(single, problems);
        if (problems.empty()) {
            database.routes[kept] = std::move(single.routes.front());
            feedRoutes[kept] = feedRoutes[i];
            tripCounts[kept] = tripCounts[i];
            ++kept;
            continue;
        }
        const FeedRoute& route = model.routes[feedRoutes[i]];
        for (const InputTextProblem& problem : problems) {
            report.add(
                NoticeSeverity::Warning, gtfsTexts::kUnwritableRoute, gtfsFiles::kRoutes, route.row,
                "route_id",
                noticeText(gtfsTexts::kUnwritableDetail, {route.id, gbkToUtf8(problem.what)}));
        }
    }
    database.routes.resize(kept);
    feedRoutes.resize(kept);
    tripCounts.resize(kept);
}

// What a built line keeps: its texts, and its stations once more in the set that counts them.
std::size_t bytesOf(const Route& line) {
    constexpr std::size_t kString = sizeof(std::string);
    std::size_t bytes = sizeof(Route);
    for (const std::string* text : {&line.name, &line.extraInfo, &line.lineType,
                                    &line.start.station, &line.terminal.station}) {
        bytes += kString + text->size();
    }
    for (const auto* stations : {&line.upStations, &line.downStations}) {
        for (const std::string& name : *stations) {
            bytes += 2 * (kString + name.size()) + 32;
        }
    }
    return bytes;
}

// A day outside every service has no trips; the user is told the period to choose from.
void warnOutsidePeriod(const ServiceCalendar& calendar, long day, ImportReport& report) {
    long first = 0;
    long last = 0;
    if (calendar.period(first, last) && (day < first || day > last)) {
        report.add(NoticeSeverity::Warning, gtfsTexts::kDateOutsidePeriod, gtfsFiles::kCalendar, 0,
                   "",
                   noticeText(gtfsTexts::kDateOutsideDetail,
                              {formatDate(day), formatDate(first), formatDate(last)}));
    }
}

}  // namespace

bool importFeed(const std::string& path, const ImportOptions& options, RouteDatabase& database,
                ImportReport& report) {
    std::string problem;
    const std::unique_ptr<FeedFiles> feed = openFeed(path, problem);
    if (!feed) {
        report.add(NoticeSeverity::Error, gtfsTexts::kFeedUnreadable, path.c_str(), 0, "",
                   gbkToUtf8(problem));
        return false;
    }
    // Every file is read even after an error, so that one run names all there are.
    FeedModel model;
    model.budget = ImportBudget(options.bytesKept);
    ServiceCalendar calendar;
    calendar.read(*feed, model.budget, report);
    if (options.byDate && calendar.empty()) {
        report.add(NoticeSeverity::Error, gtfsTexts::kNoCalendar, gtfsFiles::kCalendar, 0, "",
                   noticeText(gtfsTexts::kNoCalendarDetail));
    }
    const TripFilter filter{options.byDate, options.day, &calendar};
    readFeedTables(*feed, options.city.empty(), filter, model, report);
    readStopTimes(*feed, model, report, options.stopTimesHeld);
    readFrequencies(*feed, model, report);
    if (report.failed()) {
        return false;
    }
    if (options.byDate) {
        warnOutsidePeriod(calendar, options.day, report);
    }

    std::vector<std::vector<std::uint32_t>> tripsOfRoute(model.routes.size());
    for (std::uint32_t trip = 0; trip < model.trips.size(); ++trip) {
        const FeedTrip& record = model.trips[trip];
        if (record.runs && record.sequence >= 0) {
            tripsOfRoute[record.route].push_back(trip);
        }
    }

    database.clearRoutes();
    database.header.city = options.city.empty() ? cityOf(model, report) : options.city;
    database.header.date = dateOf(model, calendar, options);
    database.header.author = options.author;
    database.header.memo = options.memo;

    StopNames names(model, report);
    std::vector<std::uint32_t> feedRoutes;
    std::vector<std::size_t> tripCounts;
    for (std::uint32_t route = 0; route < model.routes.size(); ++route) {
        const auto& trips = tripsOfRoute[route];
        if (trips.empty()) {
            report.add(NoticeSeverity::Info, gtfsTexts::kRouteWithoutTrips, gtfsFiles::kRoutes,
                       model.routes[route].row, "route_id",
                       noticeText(gtfsTexts::kNoTripsDetail,
                                  {model.routes[route].id,
                                   options.byDate ? gbkToUtf8(gtfsTexts::kOnDate) : ""}));
            continue;
        }
        const DirectionPlan plan = planDirections(model, trips);
        auto line = std::make_unique<Route>(buildLine(model, route, plan, names, report));
        if (!model.budget.take(bytesOf(*line), report, gtfsFiles::kRoutes,
                               model.routes[route].row)) {
            return false;
        }
        database.routes.push_back(std::move(line));
        feedRoutes.push_back(route);
        tripCounts.push_back(trips.size());
    }
    tellApartSameNames(model, feedRoutes, database, report);
    leaveOutUnwritable(model, feedRoutes, tripCounts, database, report);

    std::set<std::string> stations;
    for (const auto& line : database.routes) {
        stations.insert(line->upStations.begin(), line->upStations.end());
        stations.insert(line->downStations.begin(), line->downStations.end());
    }
    for (const std::size_t count : tripCounts) {
        report.tripsUsed += count;
    }
    report.routes = database.routes.size();
    report.stops = stations.size();
    return true;
}
