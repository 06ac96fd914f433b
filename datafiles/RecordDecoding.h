#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Converts UTF-16LE bytes from a data file to GBK with WideToAnsi into a zero-filled buffer of
// capacity bytes, the terminator included. The conversion's result is not checked: a text that
// does not fit comes back empty, and the text ends at its first NUL code unit. An odd last
// byte is not part of any code unit and is ignored.
std::string recordTextToAnsi(std::string_view utf16le, std::size_t capacity);
