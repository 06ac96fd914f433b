#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli diff A B [--json FILE]: compares two versions of a network, each an input text or
// a data folder, and prints what changed; --json writes the comparison to FILE as well.
// Returns the exit status: 0 when both hold the same network, 1 when they differ, 2 when a
// version cannot be read or the JSON cannot be written.
int runDiff(const CommandLine& line, const Terminal& terminal);
