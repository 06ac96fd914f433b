#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli import FEED -o FILE: writes a GTFS feed as an input text file and reports what
// it found on standard error (and as JSON with --report). Returns the exit status: 0, 1 when
// the feed could not be imported or the file not written, 2 for a wrong --date.
int runImport(const CommandLine& line, const Terminal& terminal);
