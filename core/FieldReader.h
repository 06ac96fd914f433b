#pragma once

// The fields of an input text line and the station lists inside them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/InputFormat.h"

// The text is a view into the line that was read.
struct Field {
    std::string_view text;
    bool endedAtDelimiter = false;
    bool truncated = false;  // the field was longer than kMaxFieldBytes and was cut
};

// Reads one field from cursor: skips leading spaces, takes the bytes up to the delimiter or
// the end, removes trailing spaces and cuts the text to its first kMaxFieldBytes bytes. The
// cursor is left after the delimiter, or at the end. Only the space byte is trimmed.
Field readField(std::string_view& cursor, char delimiter);

// Appends the pieces of field between "-" bytes to list; empty pieces are dropped and the
// pieces are not trimmed. The views point into field.
void splitStations(std::string_view field, std::vector<std::string>& list);
void splitStations(std::string_view field, std::vector<std::string_view>& list);

// The names joined with "-", as a station list field is written.
std::string joinStations(const std::vector<std::string>& stations);
