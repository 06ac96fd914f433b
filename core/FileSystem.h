#pragma once

#include <string>

// The few file-system operations the core needs beyond the standard streams.

// Creates one directory level; an existing directory or a failure is not reported.
void createDirectory(const std::string& path);
