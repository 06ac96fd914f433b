#pragma once

#include <cstddef>
#include <string>

#include "core/LogSink.h"

// The text of the main window's log box, kept within the box's working buffer.
namespace logBuffer {

// Bytes of text the log box holds at most (its 65,536-byte buffer less the terminator).
constexpr std::size_t kCapacity = 65535;

// The entry that a message of `level` adds: a line end and the level's prefix (none for an
// unknown level), the message, and a line end.
std::string entryFor(LogLevel level, const char* message);

// Appends `entry` to `text`. When the result would exceed `capacity` bytes, the oldest
// entries are dropped first, whole where possible and never in the middle of a GBK
// character; the new entry is always kept (cut at its end if it alone exceeds the capacity).
void append(std::string& text, std::string entry, std::size_t capacity = kCapacity);

// What `append` does to the text, so that a box can be changed in place: the first `dropped`
// bytes go (the whole text when the entry alone fills the capacity), then `added` follows.
struct Change {
    std::size_t dropped = 0;
    std::string added;
};
Change changeForAppend(const std::string& text, std::string entry,
                       std::size_t capacity = kCapacity);

}  // namespace logBuffer
