#include "app/LogBuffer.h"

#include <algorithm>

#include "app/AppTexts.h"
#include "core/TextConversion.h"

namespace logBuffer {

namespace {

// The first character boundary at or after `position`, counting GBK two-byte characters.
std::size_t characterBoundaryFrom(const std::string& text, std::size_t position) {
    std::size_t boundary = 0;
    while (boundary < position && boundary < text.size()) {
        boundary += isGbkLeadByte(static_cast<unsigned char>(text[boundary])) ? 2 : 1;
    }
    return std::min(boundary, text.size());
}

// The last character boundary at or before `position`.
std::size_t characterBoundaryUpTo(const std::string& text, std::size_t position) {
    std::size_t boundary = 0;
    while (boundary < text.size()) {
        const std::size_t next =
            boundary + (isGbkLeadByte(static_cast<unsigned char>(text[boundary])) ? 2 : 1);
        if (next > position) {
            break;
        }
        boundary = next;
    }
    return boundary;
}

// Where the text can be cut so that at least `excess` bytes go: the start of the first
// prefixed entry from there on, else the next line start, else the next character boundary.
std::size_t cutPosition(const std::string& text, std::size_t excess) {
    std::size_t best = std::string::npos;
    for (LogLevel level : {LogLevel::Error, LogLevel::Warning, LogLevel::Info}) {
        best = std::min(best,
                        text.find(appTexts::kLogLineEnd + std::string(levelPrefix(level)), excess));
    }
    if (best != std::string::npos) {
        return best;
    }
    const std::size_t lineEnd = excess < 2 ? text.find("\r\n") : text.find("\r\n", excess - 2);
    if (lineEnd != std::string::npos) {
        return lineEnd + 2;
    }
    return characterBoundaryFrom(text, excess);
}

}  // namespace

std::string entryFor(LogLevel level, const char* message) {
    const std::string prefix = levelPrefix(level);
    std::string entry = prefix.empty() ? std::string() : appTexts::kLogLineEnd + prefix;
    entry += message;
    entry += appTexts::kLogLineEnd;
    return entry;
}

Change changeForAppend(const std::string& text, std::string entry, std::size_t capacity) {
    Change change;
    if (entry.size() >= capacity) {
        entry.resize(characterBoundaryUpTo(entry, capacity));
        change.dropped = text.size();
    } else if (text.size() + entry.size() > capacity) {
        change.dropped = cutPosition(text, text.size() + entry.size() - capacity);
    }
    change.added = std::move(entry);
    return change;
}

void append(std::string& text, std::string entry, std::size_t capacity) {
    Change change = changeForAppend(text, std::move(entry), capacity);
    text.erase(0, change.dropped);
    text += change.added;
}

}  // namespace logBuffer
