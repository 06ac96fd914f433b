#include "core/InputLines.h"

#include <algorithm>

InputLines::InputLines(std::string_view content) : text_(content.substr(0, content.find('\x1A'))) {
    std::size_t crlf = text_.find("\r\n");
    if (crlf == std::string_view::npos) {
        return;
    }
    withoutCarriageReturns_.reserve(text_.size());
    std::size_t start = 0;
    for (; crlf != std::string_view::npos; crlf = text_.find("\r\n", start)) {
        withoutCarriageReturns_.append(text_.substr(start, crlf - start));
        start = crlf + 1;
    }
    withoutCarriageReturns_.append(text_.substr(start));
    text_ = withoutCarriageReturns_;
}

bool InputLines::next(std::string_view& piece) {
    if (position_ >= text_.size()) {
        return false;
    }
    const std::string_view rest = text_.substr(position_);
    std::size_t length = std::min(rest.size(), kMaxPiece);
    const std::size_t lineFeed = rest.substr(0, length).find('\n');
    if (lineFeed != std::string_view::npos) {
        length = lineFeed + 1;
    }
    position_ += length;
    piece = rest.substr(0, length);
    const std::size_t nul = piece.find('\0');
    if (nul != std::string_view::npos) {
        piece = piece.substr(0, nul);
    }
    return true;
}

std::string_view withoutLineFeed(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    return line;
}
