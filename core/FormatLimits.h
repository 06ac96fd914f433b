#pragma once

#include "core/DatabaseLayout.h"
#include "core/LogSink.h"

// Checks that the layout fits the number encodings of the data files: at most 16383
// stations and trips, lists of at most 8191 entries and s.d and t.d of at most 2,097,151
// bytes. Logs an error naming each limit exceeded and its value; false when any is.
bool checkFormatLimits(const DatabaseLayout& layout, LogSink& log);
