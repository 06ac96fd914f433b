#pragma once

#include <string>

#include "network/NetworkDiff.h"

// A comparison as a person reads it in a terminal (GBK, one change a line, section by section)
// and as a script reads it (UTF-8 JSON).
std::string diffText(const NetworkDiff& diff);
std::string diffJson(const NetworkDiff& diff);
