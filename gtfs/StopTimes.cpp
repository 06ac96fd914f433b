#include "gtfs/StopTimes.h"

#include <algorithm>
#include <unordered_map>

#include "gtfs/FeedTable.h"
#include "gtfs/FeedText.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/NoticeText.h"

namespace {

constexpr const char* kFile = gtfsFiles::kStopTimes;

struct StopVisit {
    std::uint32_t order;  // stop_sequence
    std::uint32_t stop;
    std::int32_t departure;
    std::uint32_t row;
};

enum class PassResult { Done, Failed, TripsScattered };

void finishTrip(FeedModel& model, std::uint32_t trip, std::vector<StopVisit>& visits,
                StopSequences::Stops& stops) {
    if (visits.empty()) {
        return;  // every row of the trip was reported as an error
    }
    std::stable_sort(visits.begin(), visits.end(),
                     [](const StopVisit& a, const StopVisit& b) { return a.order < b.order; });
    stops.clear();
    for (const StopVisit& visit : visits) {
        stops.push_back(visit.stop);
    }
    FeedTrip& record = model.trips[trip];
    record.sequence = model.sequences.intern(stops);
    record.firstDeparture = visits.front().departure;
    record.firstDepartureRow = visits.front().row;
    record.lastDeparture = record.firstDeparture;
    record.lastDepartureRow = record.firstDepartureRow;
    visits.clear();
}

class StopTimesPass {
public:
    StopTimesPass(const FeedFiles& feed, FeedModel& model, ImportReport& report)
        : table_(feed, kFile, report), model_(model) {}

    PassResult run(bool holdAllRows) {
        if (!table_.open(true) || !table_.require({"trip_id", "stop_id", "stop_sequence"})) {
            return PassResult::Failed;
        }
        tripColumn_ = table_.column("trip_id");
        stopColumn_ = table_.column("stop_id");
        orderColumn_ = table_.column("stop_sequence");
        arrivalColumn_ = table_.column("arrival_time");
        departureColumn_ = table_.column("departure_time");
        if (arrivalColumn_ < 0 && departureColumn_ < 0) {
            table_.error(
                gtfsTexts::kMissingColumn, "departure_time",
                noticeText(gtfsTexts::kOneOfColumnsDetail, {"departure_time", "arrival_time"}));
            return PassResult::Failed;
        }

        std::unordered_map<std::uint32_t, std::vector<StopVisit>> heldTrips;
        std::vector<StopVisit> visits;
        StopSequences::Stops stops;
        std::uint32_t trip = 0;
        bool inTrip = false;
        while (table_.next()) {
            const std::string_view id = table_.value(tripColumn_);
            if (!inTrip || id != tripId_) {
                std::uint32_t found = 0;
                if (!model_.tripsRead ||
                    !table_.lookUp(tripColumn_, "trip_id", model_.tripIds, gtfsFiles::kTrips,
                                   gtfsTexts::kUnknownTrip, found)) {
                    continue;
                }
                tripId_.assign(id);
                if (inTrip && !holdAllRows) {
                    finishTrip(model_, trip, visits, stops);
                }
                trip = found;
                inTrip = true;
                if (!holdAllRows && model_.trips[trip].sequence >= 0) {
                    scatteredRow_ = table_.row();
                    return PassResult::TripsScattered;
                }
            }
            StopVisit visit;
            if (readVisit(visit)) {
                (holdAllRows ? heldTrips[trip] : visits).push_back(visit);
            }
        }
        if (timesWithoutSeconds_ > 0) {
            table_.report().add(NoticeSeverity::Warning, gtfsTexts::kTimeWithoutSeconds, kFile,
                                firstTimeWithoutSeconds_, timeFieldWithoutSeconds_,
                                noticeText(gtfsTexts::kWithoutSecondsDetail,
                                           {std::to_string(timesWithoutSeconds_)}));
        }
        if (inTrip && !holdAllRows) {
            finishTrip(model_, trip, visits, stops);
        }
        for (auto& [heldTrip, heldVisits] : heldTrips) {
            finishTrip(model_, heldTrip, heldVisits, stops);
        }
        return PassResult::Done;
    }

    // Where a trip's rows were first found apart from the others, and its id.
    std::size_t scatteredRow() const { return scatteredRow_; }
    const std::string& scatteredTrip() const { return tripId_; }

private:
    // Reads the row's stop, order and time, reporting each that is wrong.
    bool readVisit(StopVisit& visit) {
        std::uint32_t stop = 0;
        std::uint32_t order = 0;
        int arrival = kNoTime;
        int departure = kNoTime;
        bool valid =
            !model_.stopsRead || table_.lookUp(stopColumn_, "stop_id", model_.stopIds,
                                               gtfsFiles::kStops, gtfsTexts::kUnknownStop, stop);
        valid = table_.number(orderColumn_, "stop_sequence", order) && valid;
        valid = readTime(arrivalColumn_, "arrival_time", arrival) && valid;
        valid = readTime(departureColumn_, "departure_time", departure) && valid;
        visit = {order, stop, departure != kNoTime ? departure : arrival,
                 static_cast<std::uint32_t>(table_.row())};
        return valid && model_.stopsRead;
    }

    bool readTime(int column, const char* name, int& seconds) {
        const std::string_view text = trimSpaces(table_.value(column));
        bool withoutSeconds = false;
        if (!text.empty() && !parseGtfsTime(text, seconds, withoutSeconds)) {
            return table_.error(gtfsTexts::kMalformedTime, name,
                                noticeText(gtfsTexts::kTimeDetail, {text}));
        }
        if (withoutSeconds && timesWithoutSeconds_++ == 0) {
            firstTimeWithoutSeconds_ = table_.row();
            timeFieldWithoutSeconds_ = name;
        }
        return true;
    }

    FeedTable table_;
    FeedModel& model_;
    int tripColumn_ = -1;
    int stopColumn_ = -1;
    int orderColumn_ = -1;
    int arrivalColumn_ = -1;
    int departureColumn_ = -1;
    std::string tripId_;
    std::size_t scatteredRow_ = 0;
    std::size_t timesWithoutSeconds_ = 0;
    std::size_t firstTimeWithoutSeconds_ = 0;
    const char* timeFieldWithoutSeconds_ = "";
};

}  // namespace

void readStopTimes(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    const std::size_t noticesBefore = report.notices.size();
    StopTimesPass first(feed, model, report);
    if (first.run(false) != PassResult::TripsScattered) {
        return;
    }
    // The second pass reads the file again from its start and reports anew what the first
    // one found.
    report.notices.resize(noticesBefore);
    report.add(NoticeSeverity::Info, gtfsTexts::kUnsortedStopTimes, kFile, first.scatteredRow(),
               "trip_id", noticeText(gtfsTexts::kUnsortedDetail, {first.scatteredTrip()}));
    model.sequences = StopSequences();
    for (FeedTrip& trip : model.trips) {
        trip.sequence = -1;
    }
    StopTimesPass(feed, model, report).run(true);
}
