#pragma once

#include "gtfs/FeedFiles.h"
#include "gtfs/FeedModel.h"
#include "gtfs/ImportReport.h"
#include "gtfs/ServiceCalendar.h"

// Which trips count: all, or those whose service runs on one day.
struct TripFilter {
    bool byDate = false;
    long day = 0;
    const ServiceCalendar* calendar = nullptr;
};

// Reads agency.txt (an error when missing only if agencyRequired), feed_info.txt, stops.txt,
// routes.txt and trips.txt into model, reporting every error and reading on; the model is
// complete only when the report holds no error.
void readFeedTables(const FeedFiles& feed, bool agencyRequired, const TripFilter& filter,
                    FeedModel& model, ImportReport& report);
