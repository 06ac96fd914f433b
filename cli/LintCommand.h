#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli lint SOURCE [--json FILE] [--accept FILE] [--write-accept FILE]: checks an input
// text or a data folder for a volunteer's slips and prints each notice with its place, then a
// summary. Returns 1 when a warning or an error is left after the accepted list, 0 otherwise.
int runLint(const CommandLine& line, const Terminal& terminal);
