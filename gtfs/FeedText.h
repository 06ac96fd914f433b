#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/TextConversion.h"
#include "gtfs/ImportReport.h"

// Where a feed text goes in the input text, which decides the characters it cannot hold.
enum class TextRole { Field, Station, HeaderValue };

// The feed file, row and column a text comes from, for the notices about it.
struct TextPlace {
    const char* file;
    std::size_t row;
    const char* field;
};

// The text without the spaces at its ends.
std::string_view trimSpaces(std::string_view text);

// Converts a UTF-8 feed text to GBK for the input text, trimming spaces at its ends. What the
// input text cannot hold is replaced, and each replaced text is reported at its place:
//   ","                           -> "，" (U+FF0C) in fields and station names
//   "-"                           -> "－" (U+FF0D) in station names
//   a line break or other control -> " "
//   "[" at the start              -> "［" (U+FF3B) in a header value
//   a letter with diacritics GBK lacks -> its base letter ("ė" e), a symbol -> the nearest
//                                    GBK has (CharacterSubstitutes.h)
//   any other character GBK lacks -> "?" (also for bytes that are not UTF-8)
// Each kind of substitution is its own notice kind.
std::string feedTextToGbk(std::string_view utf8, TextRole role, const TextPlace& place,
                          ImportReport& report);
