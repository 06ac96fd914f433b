#pragma once

#include <cstddef>

// The words and limits of the input text format, which the parser reads and the input text
// writer must respect. Literals are compiled to GBK.

// The down-direction field: the up stations reversed, or no down direction (as is an empty
// field).
inline constexpr char kDownReversed[] = "略";
inline constexpr char kDownNone[] = "无";

// A longer field is cut; a longer line is read in pieces of this length.
inline constexpr std::size_t kMaxFieldBytes = 2047;
inline constexpr std::size_t kMaxLineBytes = 4095;
