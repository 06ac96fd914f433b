#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A line with two directions is stored as two trip records in a row: the up trip named after
// the line with a final "a", then the down trip with a final "b". Any other record, including
// an "a" record that no matching "b" record follows and a "b" record without its "a" record,
// is a line of one direction named as it stands. The test is on the last byte, so a GBK name
// whose last character has the second byte 0x61 or 0x62 counts as well.
struct TripLine {
    std::size_t upTrip = 0;
    bool hasDownTrip = false;  // the down trip is upTrip + 1
};

// True when downName is the down half of the line whose up half is upName.
bool isDownHalfOf(const std::string& upName, const std::string& downName);

// Groups trips, given by their names in trip-number order, into lines.
std::vector<TripLine> groupTripsIntoLines(const std::vector<std::string>& tripNames);
