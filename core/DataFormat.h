#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The value encodings of the data files: numbers in 7-bit groups, most significant first,
// and texts as UTF-16LE behind their byte length. Byte buffers are std::string.

inline constexpr int kMaxTwoByteNumber = 16383;
inline constexpr int kMaxThreeByteOffset = 2097151;
// A list of two-byte numbers is preceded by its length in bytes, itself a two-byte number.
inline constexpr int kMaxListEntries = kMaxTwoByteNumber / 2;

inline void appendTwoByteNumber(std::string& out, int n) {
    out.push_back(static_cast<char>(n / 128));
    out.push_back(static_cast<char>(n % 128));
}

inline void appendThreeByteOffset(std::string& out, int p) {
    out.push_back(static_cast<char>(p / 16384));
    appendTwoByteNumber(out, p % 16384);
}

inline void writeThreeByteOffsetAt(std::string& out, std::size_t position, int p) {
    out[position] = static_cast<char>(p / 16384);
    out[position + 1] = static_cast<char>(p % 16384 / 128);
    out[position + 2] = static_cast<char>(p % 128);
}

inline void appendUtf16LE(std::string& out, std::u16string_view text) {
    for (char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
}

inline void appendCountedText(std::string& out, std::u16string_view text) {
    appendTwoByteNumber(out, static_cast<int>(text.size() * 2));
    appendUtf16LE(out, text);
}

inline int decodeTwoByteNumber(unsigned char b0, unsigned char b1) {
    return b0 * 128 + b1;
}

inline int decodeThreeByteOffset(unsigned char b0, unsigned char b1, unsigned char b2) {
    return b0 * 16384 + b1 * 128 + b2;
}
