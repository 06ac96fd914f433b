#include "core/InputDecoding.h"

#include <cstdio>

#include "core/CoreTexts.h"
#include "core/DataFormat.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// True when the bytes are UTF-8 as the converters accept it (no overlong forms, no
// surrogates, nothing past U+10FFFF) and at least one of them is not ASCII.
bool isUtf8WithNonAscii(std::string_view bytes) {
    bool nonAscii = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return nonAscii;
}

// Converts one line of UTF-16 to GBK; false with the problem when a character has no GBK form.
bool wideLineToGbk(std::u16string_view wide, std::size_t lineNumber, std::string& gbk,
                   std::string& problem) {
    std::string converted;
    std::size_t bad = 0;
    if (!wideToAnsiExact(wide, converted, bad)) {
        unsigned value = wide[bad];
        if (value >= 0xD800 && value < 0xDC00 && bad + 1 < wide.size() && wide[bad + 1] >= 0xDC00 &&
            wide[bad + 1] < 0xE000) {
            value = 0x10000 + ((value - 0xD800) << 10) + (wide[bad + 1] - 0xDC00);
        }
        char codePoint[16];
        std::snprintf(codePoint, sizeof codePoint, "%04X", value);
        problem = formatMessage(coreTexts::kNotInGbk, {std::to_string(lineNumber), codePoint});
        return false;
    }
    gbk += converted;
    return true;
}

// Converts UTF-16 bytes in the given byte order, after their byte order mark, to GBK.
bool utf16InputToGbk(std::string_view bytes, bool bigEndian, std::string& gbk,
                     std::string& problem) {
    if (startsWith(bytes, bigEndian ? kUtf16BeMark : kUtf16LeMark)) {
        bytes.remove_prefix(2);
    }
    std::u16string wide = utf16leToWide(bytes);
    if (bigEndian) {
        for (char16_t& unit : wide) {
            unit = static_cast<char16_t>(unit << 8 | unit >> 8);
        }
    }
    gbk.clear();
    std::size_t lineNumber = 0;
    std::u16string_view rest = wide;
    while (!rest.empty()) {
        ++lineNumber;
        const std::size_t end = rest.find(u'\n');
        const std::u16string_view line = rest.substr(0, end == rest.npos ? end : end + 1);
        rest.remove_prefix(line.size());
        if (!wideLineToGbk(line, lineNumber, gbk, problem)) {
            return false;
        }
    }
    if (bytes.size() % 2 != 0) {
        // The odd byte ends the last line, or stands on a line of its own after a line break.
        const bool onItsOwnLine = wide.empty() || wide.back() == u'\n';
        problem = formatMessage(coreTexts::kNotUtf16,
                                {std::to_string(lineNumber + (onItsOwnLine ? 1 : 0))});
        return false;
    }
    return true;
}

// Converts a UTF-8 input text to GBK, line by line, dropping a byte-order mark at its start.
// On failure returns false with a message naming the line and what is wrong with it.
bool utf8InputToGbk(std::string_view utf8, std::string& gbk, std::string& problem) {
    if (startsWith(utf8, kUtf8Mark)) {
        utf8.remove_prefix(kUtf8Mark.size());
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
        if (!wideLineToGbk(wide, lineNumber, gbk, problem)) {
            return false;
        }
    }
    return true;
}

}  // namespace

InputEncoding detectInputEncoding(std::string_view bytes) {
    if (startsWith(bytes, kUtf8Mark)) {
        return InputEncoding::Utf8;
    }
    if (startsWith(bytes, kUtf16LeMark)) {
        return InputEncoding::Utf16Le;
    }
    if (startsWith(bytes, kUtf16BeMark)) {
        return InputEncoding::Utf16Be;
    }
    return isUtf8WithNonAscii(bytes) ? InputEncoding::Utf8 : InputEncoding::Gbk;
}

bool decodeInputText(std::string_view bytes, InputEncoding encoding, DecodedInput& out) {
    out = DecodedInput{};
    if (encoding == InputEncoding::Detect) {
        encoding = detectInputEncoding(bytes);
    }
    switch (encoding) {
        case InputEncoding::Utf8:
            out.encodingRead = coreTexts::kEncodingUtf8;
            return utf8InputToGbk(bytes, out.gbk, out.problem);
        case InputEncoding::Utf16Le:
        case InputEncoding::Utf16Be:
            out.encodingRead = encoding == InputEncoding::Utf16Le ? coreTexts::kEncodingUtf16Le
                                                                  : coreTexts::kEncodingUtf16Be;
            return utf16InputToGbk(bytes, encoding == InputEncoding::Utf16Be, out.gbk, out.problem);
        default:
            out.gbk.assign(bytes);
            return true;
    }
}
