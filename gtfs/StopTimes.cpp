#include "gtfs/StopTimes.h"

#include <algorithm>
#include <unordered_map>

#include "gtfs/FeedTable.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/NoticeText.h"

namespace {

constexpr char kFile[] = "stop_times.txt";

struct StopVisit {
    std::uint32_t order;  // stop_sequence
    std::uint32_t stop;
    std::int32_t departure;
    std::uint32_t row;
};

enum class PassResult { Done, Failed, TripsScattered };

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

void finishTrip(FeedModel& model, std::uint32_t trip, std::vector<StopVisit>& visits,
                StopSequences::Stops& stops) {
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
        std::string tripId;
        std::uint32_t trip = 0;
        bool inTrip = false;
        while (table_.next()) {
            const std::string_view id = table_.value(tripColumn_);
            if (!inTrip || id != tripId) {
                tripId.assign(id);
                const std::uint32_t found = model_.tripIds.find(tripId);
                if (found == IdIndex::kMissing) {
                    table_.error(
                        gtfsTexts::kUnknownTrip, "trip_id",
                        noticeText(gtfsTexts::kUnknownIdDetail, {"trip_id", id, "trips.txt"}));
                    return PassResult::Failed;
                }
                if (inTrip && !holdAllRows) {
                    finishTrip(model_, trip, visits, stops);
                }
                trip = found;
                inTrip = true;
                if (!holdAllRows && model_.trips[trip].sequence >= 0) {
                    table_.report().add(NoticeSeverity::Info, gtfsTexts::kUnsortedStopTimes, kFile,
                                        table_.row(), "trip_id",
                                        noticeText(gtfsTexts::kUnsortedDetail, {id}));
                    return PassResult::TripsScattered;
                }
            }
            StopVisit visit;
            if (!readVisit(visit)) {
                return PassResult::Failed;
            }
            (holdAllRows ? heldTrips[trip] : visits).push_back(visit);
        }
        if (table_.report().failed()) {
            return PassResult::Failed;
        }
        if (inTrip && !holdAllRows) {
            finishTrip(model_, trip, visits, stops);
        }
        for (auto& [heldTrip, heldVisits] : heldTrips) {
            finishTrip(model_, heldTrip, heldVisits, stops);
        }
        return PassResult::Done;
    }

private:
    bool readVisit(StopVisit& visit) {
        const std::string_view stopId = table_.value(stopColumn_);
        const std::uint32_t stop = model_.stopIds.find(stopId);
        if (stop == IdIndex::kMissing) {
            return table_.error(
                gtfsTexts::kUnknownStop, "stop_id",
                noticeText(gtfsTexts::kUnknownIdDetail, {"stop_id", stopId, "stops.txt"}));
        }
        const std::string_view order = trimmed(table_.value(orderColumn_));
        std::uint64_t number = 0;
        for (const char c : order) {
            if (c < '0' || c > '9' || number > 0xFFFFFFFFu / 10) {
                number = ~0ull;
                break;
            }
            number = number * 10 + static_cast<unsigned>(c - '0');
        }
        if (order.empty() || number > 0xFFFFFFFFu) {
            return table_.error(gtfsTexts::kMalformedNumber, "stop_sequence",
                                noticeText(gtfsTexts::kNumberDetail, {order}));
        }
        int arrival = kNoTime;
        int departure = kNoTime;
        if (!readTime(arrivalColumn_, "arrival_time", arrival) ||
            !readTime(departureColumn_, "departure_time", departure)) {
            return false;
        }
        visit = {static_cast<std::uint32_t>(number), stop,
                 departure != kNoTime ? departure : arrival,
                 static_cast<std::uint32_t>(table_.row())};
        return true;
    }

    bool readTime(int column, const char* name, int& seconds) {
        const std::string_view text = trimmed(table_.value(column));
        if (!text.empty() && !parseGtfsTime(text, seconds)) {
            return table_.error(gtfsTexts::kMalformedTime, name,
                                noticeText(gtfsTexts::kTimeDetail, {text}));
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
};

}  // namespace

bool readStopTimes(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    const PassResult first = StopTimesPass(feed, model, report).run(false);
    if (first != PassResult::TripsScattered) {
        return first == PassResult::Done;
    }
    model.sequences = StopSequences();
    for (FeedTrip& trip : model.trips) {
        trip.sequence = -1;
    }
    return StopTimesPass(feed, model, report).run(true) == PassResult::Done;
}
