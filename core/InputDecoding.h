#pragma once

#include <string>
#include <string_view>

// How the bytes of an input text file are read. Every reader of an input text (the parser,
// the converter, the checks) goes through decodeInputText, so that all of them read a file
// the same way. Detect reads what Notepad writes: a byte order mark of UTF-8 or UTF-16 says
// the encoding; without one, a valid UTF-8 text with non-ASCII bytes is UTF-8; anything else
// is GBK.
enum class InputEncoding { Detect, Gbk, Utf8, Utf16Le, Utf16Be };

struct DecodedInput {
    std::string gbk;
    // The encoding that was read, for an information line; empty when the text was GBK.
    std::string encodingRead;
    // Why the text cannot be read, naming its line; empty on success.
    std::string problem;
};

// Turns an input file's bytes into GBK text. False, with out.problem set, when the text
// cannot be read in the encoding asked for or holds a character GBK lacks.
bool decodeInputText(std::string_view bytes, InputEncoding encoding, DecodedInput& out);

// The encoding Detect reads bytes in; never Detect.
InputEncoding detectInputEncoding(std::string_view bytes);
