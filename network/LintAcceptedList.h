#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "network/LintNotice.h"

// The notices a volunteer has accepted as intended (a real loop, a real night line), kept in a
// text a person reads and edits: one notice a line, its kind, line name and the names involved
// separated by tabs, never its line number, so that lines inserted above do not undo it. Lines
// that begin with "#" and empty lines are comments. Texts are GBK.

// The line that stands for notice in an accepted list, without its line feed.
std::string acceptedListLine(const LintNotice& notice);

// A list that accepts every one of notices, each line once, after a comment on the format.
std::string writeAcceptedList(const std::vector<LintNotice>& notices);

// Leaves out of notices those the list accepts, and adds an information notice for each line
// of the list (placed in listPath) that matches none. Returns how many were left out.
std::size_t applyAcceptedList(const std::string& listPath, std::string_view listText,
                              std::vector<LintNotice>& notices);
