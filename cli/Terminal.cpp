#include "cli/Terminal.h"

#include "core/TextConversion.h"

void Terminal::out(std::string_view gbkText) const {
    write(stdout, gbkText);
}

void Terminal::err(std::string_view gbkText) const {
    std::fflush(stdout);
    write(stderr, gbkText);
}

void Terminal::errUtf8(std::string_view utf8Text) const {
    std::fflush(stdout);
    std::u16string wide;
    if (isConsole(stderr) && utf8ToWide(utf8Text, wide)) {
        writeToConsole(stderr, wide);
        return;
    }
    if (encoding_ == TerminalEncoding::Utf8) {
        std::fwrite(utf8Text.data(), 1, utf8Text.size(), stderr);
        return;
    }
    if (!utf8ToWide(utf8Text, wide)) {
        std::fwrite(utf8Text.data(), 1, utf8Text.size(), stderr);
        return;
    }
    std::string gbk;
    std::size_t bad = 0;
    std::u16string_view rest = wide;
    std::string piece;
    while (!wideToAnsiExact(rest, piece, bad)) {
        gbk += utf16ToGbk(rest.substr(0, bad));
        char32_t point = rest[bad];
        std::size_t units = 1;
        if (point >= 0xD800 && point < 0xDC00 && bad + 1 < rest.size()) {
            point = 0x10000 + ((point - 0xD800) << 10) + (rest[bad + 1] - 0xDC00);
            units = 2;
        }
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(point));
        gbk += code;
        rest.remove_prefix(bad + units);
    }
    gbk += piece;
    std::fwrite(gbk.data(), 1, gbk.size(), stderr);
}

void Terminal::write(std::FILE* stream, std::string_view gbkText) const {
    if (isConsole(stream)) {
        writeToConsole(stream, gbkToUtf16(gbkText));
        return;
    }
    if (encoding_ == TerminalEncoding::Utf8) {
        const std::string utf8 = gbkToUtf8(gbkText);
        std::fwrite(utf8.data(), 1, utf8.size(), stream);
    } else {
        std::fwrite(gbkText.data(), 1, gbkText.size(), stream);
    }
}
