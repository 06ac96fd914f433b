#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The value encodings of the data files, each encoder beside its decoder: numbers in 7-bit
// groups, most significant first, and texts as UTF-16LE behind their byte length. Byte
// buffers are std::string.

inline constexpr int kMaxTwoByteNumber = 16383;
inline constexpr int kMaxThreeByteOffset = 2097151;
inline constexpr std::size_t kTwoByteNumberBytes = 2;
inline constexpr std::size_t kThreeByteOffsetBytes = 3;
// s.d and t.d start with the length of the rest of the file as a three-byte offset.
inline constexpr std::size_t kLengthHeaderBytes = kThreeByteOffsetBytes;
// A list of two-byte numbers is preceded by its length in bytes, itself a two-byte number.
inline constexpr int kMaxListEntries = kMaxTwoByteNumber / 2;

// The bytes of a list of entries behind its length.
inline constexpr std::size_t listBytes(std::size_t entries) {
    return kTwoByteNumberBytes * (1 + entries);
}

// The bytes of an index entry: the name behind its length, then the offset of its list.
inline constexpr std::size_t indexEntryBytes(std::u16string_view name) {
    return kTwoByteNumberBytes + 2 * name.size() + kThreeByteOffsetBytes;
}

// Writes a two-byte number at `at` and returns where the next value goes.
inline char* putTwoByteNumber(char* at, int n) {
    at[0] = static_cast<char>(n / 128);
    at[1] = static_cast<char>(n % 128);
    return at + kTwoByteNumberBytes;
}

inline void appendTwoByteNumber(std::string& out, int n) {
    char bytes[kTwoByteNumberBytes];
    putTwoByteNumber(bytes, n);
    out.append(bytes, kTwoByteNumberBytes);
}

inline void appendThreeByteOffset(std::string& out, int p) {
    out.push_back(static_cast<char>(p / 16384));
    appendTwoByteNumber(out, p % 16384);
}

inline void writeThreeByteOffsetAt(std::string& out, std::size_t position, int p) {
    out[position] = static_cast<char>(p / 16384);
    putTwoByteNumber(&out[position + 1], p % 16384);
}

inline void appendUtf16LE(std::string& out, std::u16string_view text) {
    const std::size_t at = out.size();
    out.resize(at + 2 * text.size());
    char* next = out.data() + at;
    for (char16_t unit : text) {
        *next++ = static_cast<char>(unit & 0xFF);
        *next++ = static_cast<char>(unit >> 8);
    }
}

inline void appendCountedText(std::string& out, std::u16string_view text) {
    appendTwoByteNumber(out, static_cast<int>(text.size() * 2));
    appendUtf16LE(out, text);
}

// Decodes a two-byte number or three-byte offset, most significant group first. Each byte
// counts with its unsigned value, as the files are written.
inline int decodeNumber(std::string_view bytes) {
    int value = 0;
    for (char b : bytes) {
        value = value * 128 + static_cast<unsigned char>(b);
    }
    return value;
}

// The same with every byte taken as a signed 8-bit value, as the loader decodes the files: a
// byte of 128 or more makes its group negative.
inline int decodeSignedNumber(std::string_view bytes) {
    int value = 0;
    for (char b : bytes) {
        value = value * 128 + static_cast<signed char>(b);
    }
    return value;
}

// The code unit at `index` of UTF-16LE bytes.
inline char16_t utf16leUnitAt(std::string_view bytes, std::size_t index) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * index]) |
                                 static_cast<unsigned char>(bytes[2 * index + 1]) << 8);
}

// The code units of UTF-16LE bytes; an odd last byte is not part of any unit and is ignored.
inline std::u16string utf16leToWide(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = utf16leUnitAt(bytes, i);
    }
    return units;
}
