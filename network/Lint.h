#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/RouteDatabase.h"
#include "network/LintNotice.h"

// The checks of a city's lines for a volunteer's slips: names used twice, times that are not
// times, stations typed twice or two ways, fields shifted by a full-width comma, and so on.

// Checks an input text (GBK, already decoded) as the parser reads it, placing each notice by
// its line in path. Notices come in the order of the text.
std::vector<LintNotice> lintInputText(const std::string& path, std::string_view gbkText);

// Checks what a loaded data folder holds, placing each notice by route name and direction.
std::vector<LintNotice> lintDatabase(const std::string& folder, const RouteDatabase& database);
