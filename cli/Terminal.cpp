#include "cli/Terminal.h"

#include "core/TextConversion.h"

void Terminal::out(std::string_view gbkText) const {
    write(stdout, gbkText);
}

void Terminal::err(std::string_view gbkText) const {
    std::fflush(stdout);
    write(stderr, gbkText);
}

void Terminal::write(std::FILE* stream, std::string_view gbkText) const {
    if (writeToConsole(stream, gbkText)) {
        return;
    }
    if (encoding_ == TerminalEncoding::Utf8) {
        const std::string utf8 = wideToUtf8(ansiToWide(gbkText));
        std::fwrite(utf8.data(), 1, utf8.size(), stream);
    } else {
        std::fwrite(gbkText.data(), 1, gbkText.size(), stream);
    }
}
