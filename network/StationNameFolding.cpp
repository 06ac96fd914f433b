#include "network/StationNameFolding.h"

#include "core/TextConversion.h"

namespace {

constexpr char16_t kFullWidthFirst = u'\uFF01';
constexpr char16_t kFullWidthLast = u'\uFF5E';
constexpr char16_t kIdeographicSpace = u'\u3000';

}  // namespace

std::u16string foldStationNameWide(std::string_view gbkName) {
    std::u16string folded;
    for (char16_t unit : gbkToUtf16(gbkName)) {
        if (unit == u' ' || unit == u'\t' || unit == kIdeographicSpace) {
            continue;
        }
        if (unit >= kFullWidthFirst && unit <= kFullWidthLast) {
            unit = static_cast<char16_t>(unit - kFullWidthFirst + u'!');
        }
        folded.push_back(unit);
    }
    return folded;
}

std::string foldStationName(std::string_view gbkName) {
    return utf16ToGbk(foldStationNameWide(gbkName));
}
