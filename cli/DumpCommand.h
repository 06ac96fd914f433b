#pragma once

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli dump DIR [-o FILE] [--utf8]: loads the data files of DIR and writes them as an
// input text file, GBK unless --utf8 is given, to FILE or standard output; messages and
// warnings go to standard error. Returns the exit status: 0, or 1 when the load failed or
// logged an error, or the text could not be written.
int runDump(const CommandLine& line, const Terminal& terminal);
