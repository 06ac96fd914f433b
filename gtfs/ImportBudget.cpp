#include "gtfs/ImportBudget.h"

#include <string>

#include "gtfs/GtfsTexts.h"
#include "gtfs/NoticeText.h"

bool ImportBudget::take(std::size_t bytes, ImportReport& report, const char* file,
                        std::size_t row) {
    if (passed()) {
        return false;
    }
    used_ += bytes;
    if (!passed()) {
        return true;
    }
    report.add(NoticeSeverity::Error, gtfsTexts::kFeedTooLarge, file, row, "",
               noticeText(gtfsTexts::kFeedTooLargeDetail, {std::to_string(limit_ >> 20)}));
    return false;
}
