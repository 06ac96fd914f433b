#pragma once

#include "gtfs/FeedFiles.h"
#include "gtfs/FeedModel.h"
#include "gtfs/ImportReport.h"

// Reads frequencies.txt where the feed has one. A trip it names runs from each window's
// start_time every headway_secs while the departure is before end_time (exact_times 0 or 1
// alike: both say when the first bus leaves and the last one can), so its first and last
// departures become those of its windows. Reports every error and the number of trips repeated.
void readFrequencies(const FeedFiles& feed, FeedModel& model, ImportReport& report);
