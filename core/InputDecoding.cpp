#include "core/InputDecoding.h"

#include <cstdio>

#include "core/CoreTexts.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"

bool utf8InputToGbk(std::string_view utf8, std::string& gbk, std::string& problem) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        utf8.remove_prefix(kByteOrderMark.size());
    }
    gbk.clear();
    std::size_t lineNumber = 0;
    while (!utf8.empty()) {
        ++lineNumber;
        const std::size_t end = utf8.find('\n');
        const std::string_view line = utf8.substr(0, end == std::string_view::npos ? end : end + 1);
        utf8.remove_prefix(line.size());

        std::u16string wide;
        if (!utf8ToWide(line, wide)) {
            problem = formatMessage(coreTexts::kNotUtf8, {std::to_string(lineNumber)});
            return false;
        }
        std::string converted;
        std::size_t bad = 0;
        if (!wideToAnsiExact(wide, converted, bad)) {
            unsigned value = wide[bad];
            if (value >= 0xD800 && value < 0xDC00 && bad + 1 < wide.size()) {
                value = 0x10000 + ((value - 0xD800) << 10) + (wide[bad + 1] - 0xDC00);
            }
            char codePoint[16];
            std::snprintf(codePoint, sizeof codePoint, "%04X", value);
            problem = formatMessage(coreTexts::kNotInGbk, {std::to_string(lineNumber), codePoint});
            return false;
        }
        gbk += converted;
    }
    return true;
}

bool decodeInputText(std::string_view bytes, InputEncoding encoding, DecodedInput& out) {
    out = DecodedInput{};
    if (encoding == InputEncoding::Utf8) {
        return utf8InputToGbk(bytes, out.gbk, out.problem);
    }
    out.gbk.assign(bytes);
    return true;
}
