#include "gtfs/FeedTables.h"

#include "core/MessageFormat.h"
#include "gtfs/FeedTable.h"
#include "gtfs/GtfsTexts.h"

namespace {

bool readAgencies(const FeedFiles& feed, bool required, FeedModel& model, ImportReport& report) {
    FeedTable table(feed, "agency.txt", report);
    if (!table.open(required)) {
        return !report.failed();
    }
    if (!table.require({"agency_name"})) {
        return false;
    }
    const int nameColumn = table.column("agency_name");
    while (table.next()) {
        model.agencies.push_back({std::string(table.value(nameColumn)), table.row()});
    }
    return !report.failed();
}

bool readFeedInfo(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    FeedTable table(feed, "feed_info.txt", report);
    if (!table.open(false)) {
        return !report.failed();
    }
    const int startColumn = table.column("feed_start_date");
    const int endColumn = table.column("feed_end_date");
    if (table.next()) {
        model.feedStartDate = table.value(startColumn);
        model.feedEndDate = table.value(endColumn);
    }
    // Read to the end all the same, so that a zipped file's checksum is checked.
    while (table.next()) {
    }
    return !report.failed();
}

bool readStops(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    FeedTable table(feed, "stops.txt", report);
    if (!table.open(true) || !table.require({"stop_id", "stop_name"})) {
        return false;
    }
    const int idColumn = table.column("stop_id");
    const int nameColumn = table.column("stop_name");
    const int parentColumn = table.column("parent_station");
    while (table.next()) {
        const std::string_view id = table.value(idColumn);
        const std::uint32_t index = model.stopIds.size();
        if (!model.stopIds.add(id)) {
            table.warn(gtfsTexts::kDuplicateId, "stop_id",
                       formatMessage(gtfsTexts::kDuplicateIdDetail, {id}));
            continue;
        }
        model.stops.push_back({std::string(table.value(nameColumn)),
                               std::string(table.value(parentColumn)), table.row(), index});
    }
    if (report.failed()) {
        return false;
    }
    // Parents may come after their children, so they are looked up once all stops are in.
    for (FeedStop& stop : model.stops) {
        if (stop.parentId.empty()) {
            continue;
        }
        const std::uint32_t parent = model.stopIds.find(stop.parentId);
        if (parent == IdIndex::kMissing) {
            report.add(NoticeSeverity::Warning, gtfsTexts::kUnknownParent, "stops.txt", stop.row,
                       "parent_station",
                       formatMessage(gtfsTexts::kUnknownParentDetail, {stop.parentId}));
        } else {
            stop.station = parent;
        }
    }
    return true;
}

bool readRoutes(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    FeedTable table(feed, "routes.txt", report);
    if (!table.open(true) || !table.require({"route_id", "route_type"})) {
        return false;
    }
    const int shortColumn = table.column("route_short_name");
    const int longColumn = table.column("route_long_name");
    if (shortColumn < 0 && longColumn < 0) {
        return table.error(
            gtfsTexts::kMissingColumn, "route_short_name",
            formatMessage(gtfsTexts::kOneOfColumnsDetail, {"route_short_name", "route_long_name"}));
    }
    const int idColumn = table.column("route_id");
    const int typeColumn = table.column("route_type");
    while (table.next()) {
        const std::string id(table.value(idColumn));
        if (!model.routeIds.add(id)) {
            table.warn(gtfsTexts::kDuplicateId, "route_id",
                       formatMessage(gtfsTexts::kDuplicateIdDetail, {id}));
            continue;
        }
        model.routes.push_back({id, std::string(table.value(shortColumn)),
                                std::string(table.value(longColumn)),
                                std::string(table.value(typeColumn)), table.row()});
    }
    return !report.failed();
}

bool readTrips(const FeedFiles& feed, const TripFilter& filter, FeedModel& model,
               ImportReport& report) {
    FeedTable table(feed, "trips.txt", report);
    if (!table.open(true) || !table.require({"route_id", "service_id", "trip_id"})) {
        return false;
    }
    const int routeColumn = table.column("route_id");
    const int serviceColumn = table.column("service_id");
    const int tripColumn = table.column("trip_id");
    const int directionColumn = table.column("direction_id");
    while (table.next()) {
        const std::string_view routeId = table.value(routeColumn);
        const std::uint32_t route = model.routeIds.find(routeId);
        if (route == IdIndex::kMissing) {
            return table.error(
                gtfsTexts::kUnknownRoute, "route_id",
                formatMessage(gtfsTexts::kUnknownIdDetail, {"route_id", routeId, "routes.txt"}));
        }
        FeedTrip trip;
        trip.route = route;
        const std::string_view direction = table.value(directionColumn);
        if (direction == "0" || direction == "1") {
            trip.direction = static_cast<std::int8_t>(direction[0] - '0');
        } else if (!direction.empty()) {
            return table.error(gtfsTexts::kMalformedNumber, "direction_id",
                               formatMessage(gtfsTexts::kNumberDetail, {direction}));
        }
        if (filter.byDate) {
            trip.runs =
                filter.calendar->runsOn(std::string(table.value(serviceColumn)), filter.day);
        }
        const std::string_view id = table.value(tripColumn);
        if (!model.tripIds.add(id)) {
            table.warn(gtfsTexts::kDuplicateId, "trip_id",
                       formatMessage(gtfsTexts::kDuplicateIdDetail, {id}));
            continue;
        }
        model.trips.push_back(trip);
    }
    return !report.failed();
}

}  // namespace

bool readFeedTables(const FeedFiles& feed, bool agencyRequired, const TripFilter& filter,
                    FeedModel& model, ImportReport& report) {
    return readAgencies(feed, agencyRequired, model, report) && readFeedInfo(feed, model, report) &&
           readStops(feed, model, report) && readRoutes(feed, model, report) &&
           readTrips(feed, filter, model, report);
}
