#include "gtfs/StopTimes.h"

#include <algorithm>
#include <unordered_map>

#include "core/MessageFormat.h"
#include "gtfs/FeedTable.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"

namespace {

constexpr char kFile[] = "stop_times.txt";
// Far beyond any real trip; a feed that passes it is broken or hostile.
constexpr std::size_t kLongestTrip = 100000;

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

void finishTrip(FeedModel& model, std::uint32_t trip, StopVisit* begin, StopVisit* end,
                StopSequences::Stops& stops) {
    std::stable_sort(begin, end,
                     [](const StopVisit& a, const StopVisit& b) { return a.order < b.order; });
    stops.clear();
    for (const StopVisit* visit = begin; visit != end; ++visit) {
        stops.push_back(visit->stop);
    }
    FeedTrip& record = model.trips[trip];
    record.sequence = model.sequences.intern(stops);
    record.firstDeparture = begin->departure;
    record.firstDepartureRow = begin->row;
}

void finishTrip(FeedModel& model, std::uint32_t trip, std::vector<StopVisit>& visits,
                StopSequences::Stops& stops) {
    finishTrip(model, trip, visits.data(), visits.data() + visits.size(), stops);
    visits.clear();
}

// The trips whose rows one pass over a scattered file holds: trips are taken in order until
// their rows would pass the rows held.
struct TripBatch {
    std::uint32_t number = 0;
    std::vector<std::uint32_t> batchOfTrip;
    // Where each trip's rows go in the batch's visits, advanced as they are placed.
    std::vector<std::uint32_t> nextSlot;
    std::vector<StopVisit> visits;
};

class StopTimesPass {
public:
    StopTimesPass(const FeedFiles& feed, FeedModel& model, ImportReport& report)
        : table_(feed, kFile, report), model_(model) {}

    bool open() {
        if (!table_.open(true) || !table_.require({"trip_id", "stop_id", "stop_sequence"})) {
            return false;
        }
        tripColumn_ = table_.column("trip_id");
        stopColumn_ = table_.column("stop_id");
        orderColumn_ = table_.column("stop_sequence");
        arrivalColumn_ = table_.column("arrival_time");
        departureColumn_ = table_.column("departure_time");
        if (arrivalColumn_ < 0 && departureColumn_ < 0) {
            return table_.error(
                gtfsTexts::kMissingColumn, "departure_time",
                formatMessage(gtfsTexts::kOneOfColumnsDetail, {"departure_time", "arrival_time"}));
        }
        return true;
    }

    // Holds one trip's rows at a time; stops at the first trip whose rows are not together.
    PassResult readGrouped() {
        std::vector<StopVisit> visits;
        StopSequences::Stops stops;
        bool inTrip = false;
        while (table_.next()) {
            const std::uint32_t previous = trip_;
            if (!findTrip()) {
                return PassResult::Failed;
            }
            if (!inTrip || trip_ != previous) {
                if (inTrip) {
                    finishTrip(model_, previous, visits, stops);
                }
                inTrip = true;
                if (model_.trips[trip_].sequence >= 0) {
                    table_.report().add(NoticeSeverity::Info, gtfsTexts::kUnsortedStopTimes, kFile,
                                        table_.row(), "trip_id",
                                        formatMessage(gtfsTexts::kUnsortedDetail, {tripId_}));
                    return PassResult::TripsScattered;
                }
            }
            StopVisit visit;
            if (!withinTripLimit(visits.size() + 1) || !readVisit(visit)) {
                return PassResult::Failed;
            }
            visits.push_back(visit);
        }
        if (table_.report().failed()) {
            return PassResult::Failed;
        }
        if (inTrip) {
            finishTrip(model_, trip_, visits, stops);
        }
        return PassResult::Done;
    }

    // Counts each trip's rows and checks every row, so that the passes after it meet no error.
    bool countRows(std::vector<std::uint32_t>& rowsOfTrip) {
        while (table_.next()) {
            StopVisit visit;
            if (!findTrip() || !withinTripLimit(++rowsOfTrip[trip_]) || !readVisit(visit)) {
                return false;
            }
        }
        return !table_.report().failed();
    }

    // Places the rows of the batch's trips in their slots.
    bool readBatch(TripBatch& batch) {
        while (table_.next()) {
            StopVisit visit;
            if (!findTrip()) {
                return false;
            }
            if (batch.batchOfTrip[trip_] != batch.number) {
                continue;
            }
            if (!readVisit(visit)) {
                return false;
            }
            batch.visits[batch.nextSlot[trip_]++] = visit;
        }
        return !table_.report().failed();
    }

private:
    // Finds the row's trip, looking it up only when the id changes.
    bool findTrip() {
        const std::string_view id = table_.value(tripColumn_);
        if (haveTrip_ && id == tripId_) {
            return true;
        }
        tripId_.assign(id);
        trip_ = model_.tripIds.find(tripId_);
        haveTrip_ = trip_ != IdIndex::kMissing;
        return haveTrip_ || table_.error(gtfsTexts::kUnknownTrip, "trip_id",
                                         formatMessage(gtfsTexts::kUnknownIdDetail,
                                                       {"trip_id", id, "trips.txt"}));
    }

    bool withinTripLimit(std::size_t rows) {
        return rows <= kLongestTrip ||
               table_.error(gtfsTexts::kTripTooLong, "trip_id",
                            formatMessage(gtfsTexts::kTripTooLongDetail,
                                          {tripId_, std::to_string(kLongestTrip)}));
    }

    bool readVisit(StopVisit& visit) {
        const std::string_view stopId = table_.value(stopColumn_);
        const std::uint32_t stop = model_.stopIds.find(stopId);
        if (stop == IdIndex::kMissing) {
            return table_.error(
                gtfsTexts::kUnknownStop, "stop_id",
                formatMessage(gtfsTexts::kUnknownIdDetail, {"stop_id", stopId, "stops.txt"}));
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
                                formatMessage(gtfsTexts::kNumberDetail, {order}));
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
                                formatMessage(gtfsTexts::kTimeDetail, {text}));
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
    std::uint32_t trip_ = 0;
    bool haveTrip_ = false;
};

}  // namespace

// A file whose trips are scattered is read once to count each trip's rows, then once per batch
// of trips whose rows fit in rowsHeld, so memory stays flat however the rows are ordered.
bool readStopTimes(const FeedFiles& feed, FeedModel& model, ImportReport& report,
                   std::size_t rowsHeld) {
    {
        StopTimesPass pass(feed, model, report);
        if (!pass.open()) {
            return false;
        }
        const PassResult first = pass.readGrouped();
        if (first != PassResult::TripsScattered) {
            return first == PassResult::Done;
        }
    }
    model.sequences = StopSequences();
    for (FeedTrip& trip : model.trips) {
        trip.sequence = -1;
    }
    std::vector<std::uint32_t> rowsOfTrip(model.trips.size(), 0);
    {
        StopTimesPass pass(feed, model, report);
        if (!pass.open() || !pass.countRows(rowsOfTrip)) {
            return false;
        }
    }
    TripBatch batch;
    batch.batchOfTrip.assign(model.trips.size(), 0);
    batch.nextSlot.assign(model.trips.size(), 0);
    std::uint32_t batches = 1;
    std::size_t held = 0;
    for (std::uint32_t trip = 0; trip < model.trips.size(); ++trip) {
        if (held > 0 && held + rowsOfTrip[trip] > rowsHeld) {
            ++batches;
            held = 0;
        }
        batch.batchOfTrip[trip] = batches - 1;
        held += rowsOfTrip[trip];
    }
    StopSequences::Stops stops;
    for (batch.number = 0; batch.number < batches; ++batch.number) {
        std::uint32_t slot = 0;
        for (std::uint32_t trip = 0; trip < model.trips.size(); ++trip) {
            if (batch.batchOfTrip[trip] == batch.number) {
                batch.nextSlot[trip] = slot;
                slot += rowsOfTrip[trip];
            }
        }
        batch.visits.resize(slot);
        StopTimesPass pass(feed, model, report);
        if (!pass.open() || !pass.readBatch(batch)) {
            return false;
        }
        for (std::uint32_t trip = 0; trip < model.trips.size(); ++trip) {
            if (batch.batchOfTrip[trip] == batch.number && rowsOfTrip[trip] > 0) {
                StopVisit* end = batch.visits.data() + batch.nextSlot[trip];
                finishTrip(model, trip, end - rowsOfTrip[trip], end, stops);
            }
        }
    }
    return true;
}
