#include "core/TextConversion.h"

std::string gbkToUtf8(std::string_view gbk) {
    return wideToUtf8(gbkToUtf16(gbk));
}

bool utf8ToGbk(std::string_view utf8, std::string& gbk) {
    std::u16string wide;
    std::size_t badIndex = 0;
    return utf8ToWide(utf8, wide) && wideToAnsiExact(wide, gbk, badIndex);
}
