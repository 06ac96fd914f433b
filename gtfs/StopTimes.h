#pragma once

#include "gtfs/FeedFiles.h"
#include "gtfs/FeedModel.h"
#include "gtfs/ImportReport.h"

// Reads stop_times.txt as a stream and gives every trip its stop sequence, in stop_sequence
// order, and its departure from the first stop. Only one trip's rows are held at a time when
// the file keeps each trip's rows together, as feeds do; a file that does not is read again in
// batches of trips, holding about rowsHeld rows (16 bytes each). A trip of more than 100,000
// stop times is an error. Every error is reported; the trips are complete only without one.
// A stop or trip is looked up only when its file was read.
void readStopTimes(const FeedFiles& feed, FeedModel& model, ImportReport& report,
                   std::size_t rowsHeld);
