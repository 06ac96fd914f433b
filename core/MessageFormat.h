#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Replaces each "%s" of format, in order, by the next argument; a message of any length fits.
std::string formatMessage(std::string_view format, std::initializer_list<std::string_view> args);
