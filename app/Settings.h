#pragma once

#include <string>

// The two persisted paths, in section "velorin" of the user's WIN.INI. A stored value comes
// back cut to its first 255 bytes; a missing key reads as empty.
namespace settings {

std::string readInputFile();
std::string readOutputDir();
void writeInputFile(const std::string& path);
void writeOutputDir(const std::string& path);

}  // namespace settings
