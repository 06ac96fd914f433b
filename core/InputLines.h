#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/InputFormat.h"

// Reads a text file's content line by line as a C runtime reading in text mode with a
// 4096-byte buffer would: a CR before an LF is dropped, byte 0x1A ends the text, and a line
// longer than 4095 bytes comes in pieces of at most 4095 bytes. Each piece keeps its LF.
class InputLines {
public:
    static constexpr std::size_t kMaxPiece = kMaxLineBytes;

    // The pieces are views into content, which must outlive the reader, unless content holds
    // a CR before an LF: then they are views into a copy without those CRs.
    explicit InputLines(std::string_view content);
    InputLines(const InputLines&) = delete;
    InputLines& operator=(const InputLines&) = delete;

    // The next piece, or false at the end of the text. A piece is cut at a NUL byte, as
    // the C string functions that handle it would see it.
    bool next(std::string_view& piece);

    // Where the next piece starts, counted in the text as read (CRs before LFs taken out);
    // a writer that keeps the file's bytes maps it back.
    std::size_t offset() const { return position_; }

private:
    std::string withoutCarriageReturns_;
    std::string_view text_;
    std::size_t position_ = 0;
};

// The line without the one LF at its end, if it has one.
std::string_view withoutLineFeed(std::string_view line);
