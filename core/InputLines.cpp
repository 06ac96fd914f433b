#include "core/InputLines.h"

InputLines::InputLines(std::string_view content) {
    const std::size_t end = content.find('\x1A');
    if (end != std::string_view::npos) {
        content = content.substr(0, end);
    }
    text_.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
            continue;
        }
        text_.push_back(content[i]);
    }
}

bool InputLines::next(std::string_view& piece) {
    if (position_ >= text_.size()) {
        return false;
    }
    const std::string_view rest = std::string_view(text_).substr(position_);
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
