#include "gtfs/LineBuilder.h"

#include <charconv>

#include "core/InputFormat.h"
#include "gtfs/FeedText.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/NoticeText.h"
#include "gtfs/RouteTypes.h"

namespace {

constexpr int kDaySeconds = 24 * 60 * 60;

class LineBuilder {
public:
    LineBuilder(const FeedModel& model, std::uint32_t route, StopNames& names, ImportReport& report)
        : model_(model), route_(model.routes[route]), names_(names), report_(report) {}

    Route build(const DirectionPlan& plan) {
        Route line;
        line.name = name();
        if (!route_.shortName.empty() && !route_.longName.empty() &&
            route_.longName != route_.shortName) {
            line.extraInfo = convert(route_.longName, "route_long_name");
        }
        line.lineType = lineType();
        line.upStations = stations(plan.up);
        line.start = end(plan.up, line.upStations, line.name);
        if (!plan.down.empty()) {
            line.downStations = stations(plan.down);
            line.terminal = end(plan.down, line.downStations, line.name);
        }
        return line;
    }

private:
    std::string convert(const std::string& text, const char* field) {
        return feedTextToGbk(text, TextRole::Field, {gtfsFiles::kRoutes, route_.row, field},
                             report_);
    }

    std::string name() {
        if (!route_.shortName.empty()) {
            return convert(route_.shortName, "route_short_name");
        }
        if (!route_.longName.empty()) {
            return convert(route_.longName, "route_long_name");
        }
        report_.add(NoticeSeverity::Warning, gtfsTexts::kEmptyName, gtfsFiles::kRoutes, route_.row,
                    "route_short_name", noticeText(gtfsTexts::kEmptyNameDetail, {route_.id}));
        return convert(route_.id, "route_id");
    }

    std::string lineType() {
        int type = -1;
        const std::string& text = route_.type;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), type);
        const char* known =
            error == std::errc() && end == text.data() + text.size() ? lineTypeOf(type) : nullptr;
        if (known != nullptr) {
            return known;
        }
        const std::string written = convert(text, "route_type");
        report_.add(NoticeSeverity::Warning, gtfsTexts::kUnknownRouteType, gtfsFiles::kRoutes,
                    route_.row, "route_type",
                    noticeText(gtfsTexts::kRouteTypeDetail, {text, gbkToUtf8(written)}));
        return written;
    }

    // A list longer than an input line cannot be written, and its line is left out: the list
    // stops there, so that a long trip past a long name does not copy the name over and over.
    std::vector<std::string> stations(const Direction& direction) {
        std::vector<std::string> list;
        std::size_t bytes = 0;
        for (const std::uint32_t stop : model_.sequences.stops(direction.sequence)) {
            if (bytes > kMaxLineBytes) {
                break;
            }
            list.push_back(names_.of(stop));
            bytes += list.back().size() + 1;
        }
        return list;
    }

    // The first station of the direction, with the earliest and latest departure from it
    // among the direction's trips that start there.
    RouteEnd end(const Direction& direction, const std::vector<std::string>& stations,
                 const std::string& lineName) {
        RouteEnd end;
        end.station = stations.front();
        const std::uint32_t first =
            model_.stops[model_.sequences.stops(direction.sequence).front()].station;
        const FeedTrip* earliest = nullptr;
        const FeedTrip* latest = nullptr;
        for (const std::uint32_t index : direction.trips) {
            const FeedTrip& trip = model_.trips[index];
            if (model_.stops[model_.sequences.stops(trip.sequence).front()].station != first) {
                continue;
            }
            if (trip.firstDeparture == kNoTime) {
                report_.add(NoticeSeverity::Warning, gtfsTexts::kMissingFirstTime,
                            gtfsFiles::kStopTimes, trip.firstDepartureRow, "departure_time",
                            gtfsTexts::kMissingFirstTimeDetail, {model_.tripIds.id(index)});
                continue;
            }
            if (earliest == nullptr || trip.firstDeparture < earliest->firstDeparture) {
                earliest = &trip;
            }
            if (latest == nullptr || trip.lastDeparture > latest->lastDeparture) {
                latest = &trip;
            }
        }
        if (earliest != nullptr) {
            end.firstBus =
                busTime(*earliest, earliest->firstDeparture, earliest->firstDepartureRow, lineName);
            end.lastBus =
                busTime(*latest, latest->lastDeparture, latest->lastDepartureRow, lineName);
        }
        return end;
    }

    std::string busTime(const FeedTrip& trip, std::int32_t seconds, std::uint32_t row,
                        const std::string& lineName) {
        const std::string text = formatBusTime(seconds);
        if (seconds >= kDaySeconds) {
            char full[32];
            std::snprintf(full, sizeof full, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                          seconds % 60);
            report_.add(
                NoticeSeverity::Info, gtfsTexts::kTimePastMidnight,
                trip.repeated ? gtfsFiles::kFrequencies : gtfsFiles::kStopTimes, row,
                trip.repeated ? "start_time" : "departure_time",
                noticeText(gtfsTexts::kPastMidnightDetail, {full, text, gbkToUtf8(lineName)}));
        }
        return text;
    }

    const FeedModel& model_;
    const FeedRoute& route_;
    StopNames& names_;
    ImportReport& report_;
};

}  // namespace

Route buildLine(const FeedModel& model, std::uint32_t route, const DirectionPlan& plan,
                StopNames& names, ImportReport& report) {
    return LineBuilder(model, route, names, report).build(plan);
}
