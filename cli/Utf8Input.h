#pragma once

#include <string>
#include <string_view>

// Converts a UTF-8 input text to GBK, line by line, dropping a byte-order mark at its start.
// On failure returns false with a message naming the line and what is wrong with it.
bool utf8InputToGbk(std::string_view utf8, std::string& gbk, std::string& problem);
