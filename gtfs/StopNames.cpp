#include "gtfs/StopNames.h"

#include "gtfs/FeedText.h"
#include "gtfs/GtfsFiles.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/NoticeText.h"

StopNames::StopNames(const FeedModel& model, ImportReport& report)
    : model_(model), report_(report), names_(model.stops.size()), converted_(model.stops.size()) {}

const std::string& StopNames::of(std::uint32_t stop) {
    const std::uint32_t station = model_.stops[stop].station;
    if (!converted_[station]) {
        converted_[station] = true;
        const FeedStop& record = model_.stops[station];
        const TextPlace place{gtfsFiles::kStops, record.row, "stop_name"};
        std::string name = feedTextToGbk(record.name, TextRole::Station, place, report_);
        if (name.empty()) {
            // The input text drops empty station names, so the stop goes by its id.
            const std::string_view id = model_.stopIds.id(station);
            name = feedTextToGbk(id, TextRole::Station, place, report_);
            report_.add(NoticeSeverity::Warning, gtfsTexts::kEmptyName, gtfsFiles::kStops,
                        record.row, "stop_name", noticeText(gtfsTexts::kEmptyNameDetail, {id}));
        }
        names_[station] = std::move(name);
    }
    return names_[station];
}
