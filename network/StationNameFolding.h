#pragma once

#include <string>
#include <string_view>

// The spelling of a station name with the differences a passenger does not see taken out:
// full-width letters, digits, brackets and punctuation become their half-width forms, and
// spaces (half- and full-width) and tabs are removed. Two GBK names that fold to the same
// text are one station typed two ways: "人民广场（东）", "人民广场(东)" and "人民 广场(东)".
std::string foldStationName(std::string_view gbkName);
// The same, left in UTF-16.
std::u16string foldStationNameWide(std::string_view gbkName);
