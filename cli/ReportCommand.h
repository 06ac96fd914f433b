#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "cli/Terminal.h"

// velorin-cli report SOURCE -o REPORT.html: the network's report page with lint's notices.
// Exit status 1 when SOURCE cannot be read or the page cannot be written.
int runReport(const CommandLine& line, const Terminal& terminal);

// Writes the report of source to output; what went wrong is printed.
bool writeReport(const std::string& source, const std::string& output, const Terminal& terminal);
