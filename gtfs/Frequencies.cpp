#include "gtfs/Frequencies.h"

#include <string>

#include "gtfs/CsvTable.h"
#include "gtfs/FeedText.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"
#include "gtfs/NoticeText.h"

namespace {

bool readTime(CsvTable& table, int column, const char* field, int& seconds) {
    const std::string_view text = trimSpaces(table.value(column));
    bool withoutSeconds = false;
    if (!parseGtfsTime(text, seconds, withoutSeconds)) {
        return table.error(gtfsTexts::kMalformedTime, field,
                           noticeText(gtfsTexts::kTimeDetail, {text}));
    }
    return true;
}

}  // namespace

void readFrequencies(const FeedFiles& feed, FeedModel& model, ImportReport& report) {
    CsvTable table(feed, gtfsFiles::kFrequencies, report);
    if (!table.open(false) ||
        !table.require({"trip_id", "start_time", "end_time", "headway_secs"})) {
        return;
    }
    const int tripColumn = table.column("trip_id");
    const int startColumn = table.column("start_time");
    const int endColumn = table.column("end_time");
    const int headwayColumn = table.column("headway_secs");
    std::size_t repeatedTrips = 0;
    while (table.next()) {
        std::uint32_t trip = 0;
        int start = 0;
        int end = 0;
        std::uint32_t headway = 0;
        bool valid =
            model.tripsRead && table.lookUp(tripColumn, "trip_id", model.tripIds, gtfsFiles::kTrips,
                                            gtfsTexts::kUnknownTrip, trip);
        valid = readTime(table, startColumn, "start_time", start) && valid;
        valid = readTime(table, endColumn, "end_time", end) && valid;
        valid = table.number(headwayColumn, "headway_secs", headway) && valid;
        if (valid && headway == 0) {
            valid = table.error(gtfsTexts::kMalformedNumber, "headway_secs",
                                noticeText(gtfsTexts::kNumberDetail, {"0"}));
        }
        if (!valid) {
            continue;
        }
        // The last departure is the last start + k * headway before end_time.
        const int last =
            end > start ? start + static_cast<int>((end - start - 1) / headway * headway) : start;
        FeedTrip& record = model.trips[trip];
        const auto row = static_cast<std::uint32_t>(table.row());
        if (!record.repeated) {
            record.repeated = true;
            ++repeatedTrips;
            record.firstDeparture = start;
            record.firstDepartureRow = row;
            record.lastDeparture = last;
            record.lastDepartureRow = row;
            continue;
        }
        if (start < record.firstDeparture) {
            record.firstDeparture = start;
            record.firstDepartureRow = row;
        }
        if (last > record.lastDeparture) {
            record.lastDeparture = last;
            record.lastDepartureRow = row;
        }
    }
    if (repeatedTrips > 0) {
        report.add(NoticeSeverity::Info, gtfsTexts::kFrequenciesExpanded, gtfsFiles::kFrequencies,
                   0, "",
                   noticeText(gtfsTexts::kFrequenciesDetail, {std::to_string(repeatedTrips)}));
    }
}
