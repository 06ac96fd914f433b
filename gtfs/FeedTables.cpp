#include "gtfs/FeedTables.h"

#include <unordered_map>

#include "gtfs/CsvTable.h"
#include "gtfs/FeedText.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/KeyedHash.h"
#include "gtfs/NoticeText.h"

namespace {

// What a kept record costs beside its texts: room for its array to double, and the copies and
// lookups the lines are built with.
template <typename Record>
constexpr std::size_t recordCost(std::size_t extra) {
    return 2 * sizeof(Record) + extra;
}

void readAgencies(const FeedFiles& feed, bool required, FeedModel& model, ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kAgency, report);
    if (!table.open(required) || !table.require({"agency_name"})) {
        return;
    }
    const int nameColumn = table.column("agency_name");
    while (table.next()) {
        const std::string_view name = table.value(nameColumn);
        // The names are joined into the city's name.
        if (!table.keep(model.budget, recordCost<FeedAgency>(3 * name.size()))) {
            return;
        }
        model.agencies.push_back({std::string(name), table.row()});
    }
}

void readFeedInfo(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kFeedInfo, report);
    if (!table.open(false)) {
        return;
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
}

// A stop goes by its parent station; one without a parent goes by the first stop of the same
// name, so that the two sides of a street, each with its own stop id, are one station.
void assignStations(FeedModel& model, ImportReport& report) {
    std::unordered_map<std::string_view, std::uint32_t, KeyedTextHash> firstOfName;
    for (std::uint32_t index = 0; index < model.stops.size(); ++index) {
        FeedStop& stop = model.stops[index];
        if (!stop.parentId.empty()) {
            const std::uint32_t parent = model.stopIds.find(stop.parentId);
            if (parent != IdIndex::kMissing) {
                stop.station = parent;
                continue;
            }
            report.add(NoticeSeverity::Warning, gtfsTexts::kUnknownParent, gtfsFiles::kStops,
                       stop.row, "parent_station",
                       noticeText(gtfsTexts::kUnknownParentDetail, {stop.parentId}));
        }
        const std::string_view name = trimSpaces(stop.name);
        if (!name.empty()) {
            stop.station = firstOfName.emplace(name, index).first->second;
        }
    }
}

bool readStops(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kStops, report);
    if (!table.open(true) || !table.require({"stop_id", "stop_name"})) {
        return false;
    }
    const int idColumn = table.column("stop_id");
    const int nameColumn = table.column("stop_name");
    const int parentColumn = table.column("parent_station");
    while (table.next()) {
        const std::string_view id = table.value(idColumn);
        const std::string_view name = table.value(nameColumn);
        const std::string_view parent = table.value(parentColumn);
        const std::uint32_t index = model.stopIds.size();
        if (!model.stopIds.add(id)) {
            table.warn(gtfsTexts::kDuplicateId, "stop_id", gtfsTexts::kDuplicateIdDetail, {id});
            continue;
        }
        // The name is kept, converted, and looked up by when stations are assigned.
        if (!table.keep(model.budget, recordCost<FeedStop>(IdIndex::kBytesPerId + 2 * id.size() +
                                                           3 * name.size() + parent.size() + 96))) {
            return false;
        }
        model.stops.push_back({std::string(name), std::string(parent), table.row(), index});
    }
    // Parents may come after their children, so they are looked up once all stops are in.
    assignStations(model, report);
    return table.complete();
}

bool readRoutes(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kRoutes, report);
    if (!table.open(true) || !table.require({"route_id", "route_type"})) {
        return false;
    }
    const int shortColumn = table.column("route_short_name");
    const int longColumn = table.column("route_long_name");
    if (shortColumn < 0 && longColumn < 0) {
        table.error(
            gtfsTexts::kMissingColumn, "route_short_name",
            noticeText(gtfsTexts::kOneOfColumnsDetail, {"route_short_name", "route_long_name"}));
        return false;
    }
    const int idColumn = table.column("route_id");
    const int typeColumn = table.column("route_type");
    while (table.next()) {
        const std::string id(table.value(idColumn));
        const std::string_view shortName = table.value(shortColumn);
        const std::string_view longName = table.value(longColumn);
        const std::string_view type = table.value(typeColumn);
        if (!model.routeIds.add(id)) {
            table.warn(gtfsTexts::kDuplicateId, "route_id", gtfsTexts::kDuplicateIdDetail, {id});
            continue;
        }
        // The texts are kept, then converted for the line.
        if (!table.keep(model.budget, recordCost<FeedRoute>(IdIndex::kBytesPerId +
                                                            2 * (2 * id.size() + shortName.size() +
                                                                 longName.size() + type.size())))) {
            return false;
        }
        model.routes.push_back(
            {id, std::string(shortName), std::string(longName), std::string(type), table.row()});
    }
    return table.complete();
}

// Routes are looked up only when routes.txt could be read, so that a missing file is one
// error and not one per trip.
bool readTrips(const FeedFiles& feed, const TripFilter& filter, bool routesRead, FeedModel& model,
               ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kTrips, report);
    if (!table.open(true) || !table.require({"route_id", "service_id", "trip_id"})) {
        return false;
    }
    const int routeColumn = table.column("route_id");
    const int serviceColumn = table.column("service_id");
    const int tripColumn = table.column("trip_id");
    const int directionColumn = table.column("direction_id");
    // A trip with an error is kept all the same (the import fails anyway), so that its stop
    // times are not reported as naming an unknown trip.
    while (table.next()) {
        FeedTrip trip;
        if (routesRead) {
            table.lookUp(routeColumn, "route_id", model.routeIds, gtfsFiles::kRoutes,
                         gtfsTexts::kUnknownRoute, trip.route);
        }
        std::uint32_t direction = 0;
        if (table.number(directionColumn, "direction_id", direction, true)) {
            if (direction > 1) {
                table.error(gtfsTexts::kMalformedNumber, "direction_id",
                            noticeText(gtfsTexts::kNumberDetail, {table.value(directionColumn)}));
            } else if (!trimSpaces(table.value(directionColumn)).empty()) {
                trip.direction = static_cast<std::int8_t>(direction);
            }
        }
        if (filter.byDate) {
            trip.runs =
                filter.calendar->runsOn(std::string(table.value(serviceColumn)), filter.day);
        }
        const std::string_view id = table.value(tripColumn);
        if (!model.tripIds.add(id)) {
            table.warn(gtfsTexts::kDuplicateId, "trip_id", gtfsTexts::kDuplicateIdDetail, {id});
            continue;
        }
        // Beside the record and its id: its place in its route's and direction's lists, and the
        // counts and slots of a scattered stop_times.txt.
        if (!table.keep(model.budget,
                        recordCost<FeedTrip>(IdIndex::kBytesPerId + 2 * id.size() + 24))) {
            return false;
        }
        model.trips.push_back(trip);
    }
    return table.complete();
}

}  // namespace

void readFeedTables(const FeedFiles& feed, bool agencyRequired, const TripFilter& filter,
                    FeedModel& model, ImportReport& report) {
    readAgencies(feed, agencyRequired, model, report);
    readFeedInfo(feed, model, report);
    model.stopsRead = readStops(feed, model, report);
    const bool routesRead = readRoutes(feed, model, report);
    model.tripsRead = readTrips(feed, filter, routesRead, model, report);
}
