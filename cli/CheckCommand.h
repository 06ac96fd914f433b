#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli check DIR: verifies that the five data files of DIR agree and prints each
// problem as "FILE:OFFSET: TEXT". Returns the exit status: 1 when it found a problem, 0 after
// a one-line summary of the stations, trips and lines otherwise.
int runCheck(const CommandLine& line, const Terminal& terminal);
