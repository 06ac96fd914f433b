#include "gtfs/FeedImport.h"

#include <memory>
#include <set>
#include <unordered_map>

#include "core/MessageFormat.h"
#include "gtfs/DirectionPlan.h"
#include "gtfs/FeedTables.h"
#include "gtfs/FeedText.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/LineBuilder.h"
#include "gtfs/ServiceCalendar.h"
#include "gtfs/StopNames.h"
#include "gtfs/StopTimes.h"

namespace {

constexpr char kAgencySeparator[] = "、";
constexpr char kPeriodSeparator[] = "至";

std::string cityOf(const FeedModel& model, ImportReport& report) {
    std::string city;
    for (const FeedAgency& agency : model.agencies) {
        const std::string name = feedTextToGbk(agency.name, TextRole::HeaderValue,
                                               {"agency.txt", agency.row, "agency_name"}, report);
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
    std::unordered_map<std::string, std::uint32_t> firstWithName;
    for (std::size_t i = 0; i < database.routes.size(); ++i) {
        Route& line = *database.routes[i];
        const FeedRoute& route = model.routes[feedRoutes[i]];
        const auto [first, added] = firstWithName.emplace(line.name, feedRoutes[i]);
        if (added) {
            continue;
        }
        const std::string original = line.name;
        line.name += "(" +
                     feedTextToGbk(route.id, TextRole::Field, {"routes.txt", route.row, "route_id"},
                                   report) +
                     ")";
        report.add(NoticeSeverity::Warning, gtfsTexts::kDuplicateRouteName, "routes.txt", route.row,
                   route.shortName.empty() ? "route_long_name" : "route_short_name",
                   formatMessage(gtfsTexts::kDuplicateNameDetail,
                                 {model.routes[first->second].id, route.id, gbkToUtf8(original),
                                  gbkToUtf8(line.name)}));
    }
}

}  // namespace

bool importFeed(const std::string& path, const ImportOptions& options, RouteDatabase& database,
                ImportReport& report) {
    std::string problem;
    const std::unique_ptr<FeedFiles> feed = openFeed(path, problem);
    if (!feed) {
        report.add(NoticeSeverity::Error, gtfsTexts::kFeedUnreadable, path.c_str(), 0, "", problem);
        return false;
    }
    ServiceCalendar calendar;
    if (!calendar.read(*feed, report)) {
        return false;
    }
    if (options.byDate && calendar.empty()) {
        report.add(NoticeSeverity::Error, gtfsTexts::kNoCalendar, "calendar.txt", 0, "",
                   gtfsTexts::kNoCalendarDetail);
        return false;
    }
    const TripFilter filter{options.byDate, options.day, &calendar};
    FeedModel model;
    if (!readFeedTables(*feed, options.city.empty(), filter, model, report) ||
        !readStopTimes(*feed, model, report, options.stopTimesHeld)) {
        return false;
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
    std::set<std::string> stations;
    for (std::uint32_t route = 0; route < model.routes.size(); ++route) {
        const auto& trips = tripsOfRoute[route];
        if (trips.empty()) {
            report.add(
                NoticeSeverity::Info, gtfsTexts::kRouteWithoutTrips, "routes.txt",
                model.routes[route].row, "route_id",
                formatMessage(gtfsTexts::kNoTripsDetail,
                              {model.routes[route].id, options.byDate ? gtfsTexts::kOnDate : ""}));
            continue;
        }
        const DirectionPlan plan = planDirections(model, trips);
        auto line = std::make_unique<Route>(buildLine(model, route, plan, names, report));
        stations.insert(line->upStations.begin(), line->upStations.end());
        stations.insert(line->downStations.begin(), line->downStations.end());
        report.tripsUsed += trips.size();
        database.routes.push_back(std::move(line));
        feedRoutes.push_back(route);
    }
    tellApartSameNames(model, feedRoutes, database, report);
    report.routes = database.routes.size();
    report.stops = stations.size();
    return !report.failed();
}
