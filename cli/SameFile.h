#pragma once

#include <string>

// True when both paths name one existing file, through whatever links, case or spelling: the
// file system's own identity of the file is compared, not the paths. Equal paths always are.
bool sameFile(const std::string& a, const std::string& b);
