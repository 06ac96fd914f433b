#include "gtfs/StopTimes.h"

#include <algorithm>

#include "gtfs/CsvTable.h"
#include "gtfs/FeedText.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/NoticeText.h"

namespace {

constexpr const char* kFile = gtfsFiles::kStopTimes;
// Far beyond any real trip; a feed that passes it is broken or hostile.
constexpr std::size_t kLongestTrip = 100000;

struct StopVisit {
    std::uint32_t order;  // stop_sequence
    std::uint32_t stop;
    std::int32_t departure;
    std::uint32_t row;
};

enum class PassResult { Done, Failed, TripsScattered };

// Gives the trip its stop sequence and first departure; false, after reporting it, when a new
// sequence would pass the budget.
bool finishTrip(FeedModel& model, std::uint32_t trip, StopVisit* begin, StopVisit* end,
                StopSequences::Stops& stops, ImportReport& report) {
    if (begin == end) {
        return true;  // every row of the trip was reported as an error
    }
    std::stable_sort(begin, end,
                     [](const StopVisit& a, const StopVisit& b) { return a.order < b.order; });
    stops.clear();
    for (const StopVisit* visit = begin; visit != end; ++visit) {
        stops.push_back(visit->stop);
    }
    const std::size_t known = model.sequences.size();
    FeedTrip& record = model.trips[trip];
    record.sequence = model.sequences.intern(stops);
    // A new sequence is kept as a map's key, with the map's node and its place in the list.
    if (model.sequences.size() > known &&
        !model.budget.take(2 * sizeof(std::uint32_t) * stops.size() + 96, report, kFile,
                           begin->row)) {
        return false;
    }
    record.firstDeparture = begin->departure;
    record.firstDepartureRow = begin->row;
    record.lastDeparture = record.firstDeparture;
    record.lastDepartureRow = record.firstDepartureRow;
    return true;
}

bool finishTrip(FeedModel& model, std::uint32_t trip, std::vector<StopVisit>& visits,
                StopSequences::Stops& stops, ImportReport& report) {
    const bool kept =
        finishTrip(model, trip, visits.data(), visits.data() + visits.size(), stops, report);
    visits.clear();
    return kept;
}

// The trips whose rows one pass over a scattered file holds: trips are taken in order until
// their rows would pass the rows held.
struct TripBatch {
    std::uint32_t number = 0;
    std::vector<std::uint32_t> batchOfTrip;
    // Each trip's rows go to visits from its first slot on; nextSlot advances as they come.
    std::vector<std::uint32_t> firstSlot;
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
                noticeText(gtfsTexts::kOneOfColumnsDetail, {"departure_time", "arrival_time"}));
        }
        return true;
    }

    // Holds one trip's rows at a time; stops at the first trip whose rows are not together.
    PassResult readGrouped() {
        std::vector<StopVisit> visits;
        StopSequences::Stops stops;
        std::uint32_t current = 0;
        bool inTrip = false;
        while (table_.next()) {
            if (!findTrip()) {
                continue;
            }
            if (!inTrip || trip_ != current) {
                if (inTrip && !finishTrip(model_, current, visits, stops, table_.report())) {
                    return PassResult::Failed;
                }
                current = trip_;
                inTrip = true;
                if (model_.trips[current].sequence >= 0) {
                    scatteredRow_ = table_.row();
                    return PassResult::TripsScattered;
                }
            }
            StopVisit visit;
            if (readVisit(visit)) {
                if (!withinTripLimit(visits.size() + 1)) {
                    return PassResult::Failed;
                }
                visits.push_back(visit);
            }
        }
        reportTimesWithoutSeconds();
        if (inTrip && !finishTrip(model_, current, visits, stops, table_.report())) {
            return PassResult::Failed;
        }
        return PassResult::Done;
    }

    // Counts each trip's rows, reporting every error, so that the passes after it meet none.
    bool countRows(std::vector<std::uint32_t>& rowsOfTrip) {
        while (table_.next()) {
            StopVisit visit;
            if (findTrip() && readVisit(visit) && !withinTripLimit(++rowsOfTrip[trip_])) {
                return false;
            }
        }
        reportTimesWithoutSeconds();
        return true;
    }

    // Places the rows of the batch's trips in their slots.
    void readBatch(TripBatch& batch, const std::vector<std::uint32_t>& rowsOfTrip) {
        while (table_.next()) {
            StopVisit visit;
            if (findTrip() && batch.batchOfTrip[trip_] == batch.number && readVisit(visit) &&
                batch.nextSlot[trip_] < batch.firstSlot[trip_] + rowsOfTrip[trip_]) {
                batch.visits[batch.nextSlot[trip_]++] = visit;
            }
        }
    }

    // Where a trip's rows were first found apart from the others, and its id.
    std::size_t scatteredRow() const { return scatteredRow_; }
    const std::string& scatteredTrip() const { return tripId_; }

private:
    // Finds the row's trip, looking it up only when the id changes; false, after reporting it,
    // for an unknown trip.
    bool findTrip() {
        const std::string_view id = table_.value(tripColumn_);
        if (haveTrip_ && id == tripId_) {
            return true;
        }
        haveTrip_ =
            model_.tripsRead && table_.lookUp(tripColumn_, "trip_id", model_.tripIds,
                                              gtfsFiles::kTrips, gtfsTexts::kUnknownTrip, trip_);
        if (haveTrip_) {
            tripId_.assign(id);
        }
        return haveTrip_;
    }

    bool withinTripLimit(std::size_t rows) {
        return rows <= kLongestTrip ||
               table_.error(gtfsTexts::kTripTooLong, "trip_id",
                            noticeText(gtfsTexts::kTripTooLongDetail,
                                       {tripId_, std::to_string(kLongestTrip)}));
    }

    void reportTimesWithoutSeconds() {
        if (timesWithoutSeconds_ > 0) {
            table_.report().add(NoticeSeverity::Warning, gtfsTexts::kTimeWithoutSeconds, kFile,
                                firstTimeWithoutSeconds_, timeFieldWithoutSeconds_,
                                noticeText(gtfsTexts::kWithoutSecondsDetail,
                                           {std::to_string(timesWithoutSeconds_)}));
        }
    }

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

    CsvTable table_;
    FeedModel& model_;
    int tripColumn_ = -1;
    int stopColumn_ = -1;
    int orderColumn_ = -1;
    int arrivalColumn_ = -1;
    int departureColumn_ = -1;
    std::string tripId_;
    std::uint32_t trip_ = 0;
    bool haveTrip_ = false;
    std::size_t scatteredRow_ = 0;
    std::size_t timesWithoutSeconds_ = 0;
    std::size_t firstTimeWithoutSeconds_ = 0;
    const char* timeFieldWithoutSeconds_ = "";
};

}  // namespace

// A file whose trips are scattered is read once to count each trip's rows, then once per batch
// of trips whose rows fit in rowsHeld, so memory stays flat however the rows are ordered.
void readStopTimes(const FeedFiles& feed, FeedModel& model, ImportReport& report,
                   std::size_t rowsHeld) {
    // The passes after the first read the file again from its start and report anew what the
    // first one found, and keep anew the sequences it kept.
    const ImportReport before = report;
    const ImportBudget budgetBefore = model.budget;
    {
        StopTimesPass first(feed, model, report);
        if (!first.open() || first.readGrouped() != PassResult::TripsScattered) {
            return;
        }
        report = before;
        model.budget = budgetBefore;
        report.add(NoticeSeverity::Info, gtfsTexts::kUnsortedStopTimes, kFile, first.scatteredRow(),
                   "trip_id", noticeText(gtfsTexts::kUnsortedDetail, {first.scatteredTrip()}));
    }
    model.sequences = StopSequences();
    for (FeedTrip& trip : model.trips) {
        trip.sequence = -1;
    }
    std::vector<std::uint32_t> rowsOfTrip(model.trips.size(), 0);
    {
        StopTimesPass count(feed, model, report);
        if (!count.open() || !count.countRows(rowsOfTrip) || report.failed()) {
            return;
        }
    }
    TripBatch batch;
    batch.batchOfTrip.assign(model.trips.size(), 0);
    batch.firstSlot.assign(model.trips.size(), 0);
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
    ImportReport repeated;  // what the counting pass has reported already
    for (batch.number = 0; batch.number < batches; ++batch.number) {
        std::uint32_t slot = 0;
        for (std::uint32_t trip = 0; trip < model.trips.size(); ++trip) {
            if (batch.batchOfTrip[trip] == batch.number) {
                batch.firstSlot[trip] = batch.nextSlot[trip] = slot;
                slot += rowsOfTrip[trip];
            }
        }
        batch.visits.resize(slot);
        StopTimesPass pass(feed, model, repeated);
        if (!pass.open()) {
            return;
        }
        pass.readBatch(batch, rowsOfTrip);
        for (std::uint32_t trip = 0; trip < model.trips.size(); ++trip) {
            if (batch.batchOfTrip[trip] == batch.number &&
                !finishTrip(model, trip, batch.visits.data() + batch.firstSlot[trip],
                            batch.visits.data() + batch.nextSlot[trip], stops, report)) {
                return;
            }
        }
    }
}
