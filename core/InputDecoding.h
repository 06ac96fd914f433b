#pragma once

#include <string>
#include <string_view>

// How the bytes of an input text file are read. Every reader of an input text (the parser,
// the converter, the checks) goes through decodeInputText, so that all of them read a file
// the same way.
enum class InputEncoding { Detect, Gbk, Utf8 };

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

// Converts a UTF-8 input text to GBK, line by line, dropping a byte-order mark at its start.
// On failure returns false with a message naming the line and what is wrong with it.
bool utf8InputToGbk(std::string_view utf8, std::string& gbk, std::string& problem);
