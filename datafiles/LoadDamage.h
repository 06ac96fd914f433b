#pragma once

#include <cstddef>
#include <string>

#include "core/LogSink.h"

// Logs the error for a data file that stopped making sense: the file's name, the byte offset
// where it did and why.
void reportDamage(LogSink& log, const char* file, std::size_t offset, const std::string& reason);

// The reasons, filled in.
std::string negativeCount(int count);
std::string negativeLength(int length);
std::string pastEnd(std::size_t neededEnd, std::size_t fileLength);
std::string offsetOutside(int offset, std::size_t fileLength);
