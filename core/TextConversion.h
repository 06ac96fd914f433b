#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversion between GBK (code page 936) and UTF-16, the only place where text changes
// encoding. Both builds follow the Windows code page: byte 0x80 is U+20AC, the user-defined
// areas map to private-use code points, a lead byte with an invalid second byte becomes one
// "?", and a UTF-16 unit without a GBK form becomes "?".

// True for the first byte of a GBK double-byte character.
inline bool isGbkLeadByte(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}

// Converts a NUL-terminated GBK text with its terminator into buffer. Returns false, leaving
// buffer untouched, when the result with its terminator needs more than capacity code units.
bool AnsiToWide(const char* text, char16_t* buffer, std::size_t capacity);

// Converts a NUL-terminated UTF-16 text with its terminator into buffer. Returns false,
// leaving buffer untouched, when the result with its terminator needs more than capacity bytes.
bool WideToAnsi(const char16_t* text, char* buffer, std::size_t capacity);

// Whole-text forms without a capacity; a NUL inside the text is converted like any character.
std::u16string gbkToUtf16(std::string_view text);
std::string utf16ToGbk(std::u16string_view text);

// Converts to GBK only when every code unit has an exact GBK form; otherwise returns false
// and sets badIndex to the first unit that has none.
bool wideToAnsiExact(std::u16string_view text, std::string& out, std::size_t& badIndex);

// UTF-8, for terminals and for input files written in UTF-8. utf8ToWide fails on bytes that
// are not UTF-8.
bool utf8ToWide(std::string_view text, std::u16string& out);
std::string wideToUtf8(std::u16string_view text);

// GBK and UTF-8 texts, for terminals, JSON and web pages. gbkToUtf8 follows gbkToUtf16;
// utf8ToGbk fails on bytes that are not UTF-8 and on characters GBK cannot hold.
std::string gbkToUtf8(std::string_view gbk);
bool utf8ToGbk(std::string_view utf8, std::string& gbk);
