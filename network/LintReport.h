#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "network/LintNotice.h"

// How lint's notices are shown: one line each, placed as a compiler places its messages, then
// a summary; or as JSON for scripts.

// "FILE:LINE: FIELD: SEVERITY: KIND: detail" (GBK), or for a data folder
// "FOLDER: ROUTE(DIRECTION): FIELD: ...". Ends with a line feed.
std::string lintNoticeLine(const LintNotice& notice);

// The counts by severity and by kind (GBK); accepted is how many an accepted list left out.
std::string lintSummary(const std::vector<LintNotice>& notices, std::size_t accepted);

// {"notices": [...], "counts": {kind: count}} in UTF-8.
std::string lintJson(const std::vector<LintNotice>& notices);

// True when an error or a warning is among notices.
bool lintFoundProblems(const std::vector<LintNotice>& notices);
