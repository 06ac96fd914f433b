#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli convert INPUT OUTDIR: parse, and when that succeeded, generate. Returns the
// exit status: 0, or 1 when the parse failed or an error was logged.
int runConvert(const CommandLine& line, const Terminal& terminal);
