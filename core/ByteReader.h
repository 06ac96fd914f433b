#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/DataFormat.h"

// Reads the values of the data files from a byte buffer without ever leaving it. Every read
// past the end yields zero (or an empty view) and marks the reader bad for good, so a caller
// can make a group of reads and check ok() once. Numbers are decoded as the loader decodes them,
// every byte taken as a signed 8-bit value; bytes() gives the raw bytes for decodeNumber. The
// little-endian reads are for formats other than the data files, such as zip records.
class ByteReader {
public:
    explicit ByteReader(std::string_view data, std::size_t position = 0) : data_(data) {
        seek(position);
    }

    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }
    std::size_t size() const { return data_.size(); }
    std::size_t remaining() const { return data_.size() - position_; }

    // Moves to an absolute position; a position past the end marks the reader bad.
    void seek(std::size_t position) {
        if (position > data_.size()) {
            fail();
            return;
        }
        position_ = position;
    }

    // The next count bytes, or an empty view when fewer remain.
    std::string_view bytes(std::size_t count) {
        if (!ok_ || count > remaining()) {
            fail();
            return {};
        }
        const std::string_view view = data_.substr(position_, count);
        position_ += count;
        return view;
    }

    int signedTwoByteNumber() { return decodeSignedNumber(bytes(kTwoByteNumberBytes)); }
    int signedThreeByteOffset() { return decodeSignedNumber(bytes(kThreeByteOffsetBytes)); }

    std::uint16_t littleEndian16() { return static_cast<std::uint16_t>(littleEndian(2)); }
    std::uint32_t littleEndian32() { return static_cast<std::uint32_t>(littleEndian(4)); }
    std::uint64_t littleEndian64() { return littleEndian(8); }

private:
    std::uint64_t littleEndian(std::size_t width) {
        const std::string_view field = bytes(width);
        std::uint64_t value = 0;
        for (std::size_t i = field.size(); i > 0; --i) {
            value = value << 8 | static_cast<unsigned char>(field[i - 1]);
        }
        return value;
    }

    void fail() {
        ok_ = false;
        position_ = data_.size();
    }

    std::string_view data_;
    std::size_t position_ = 0;
    bool ok_ = true;
};
