#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads the little-endian fields of zip records from a buffer without ever leaving it: a read
// past the end yields zero and marks the reader bad for good, so a record's fields are read
// as a group and ok() is checked once.
class ZipFieldReader {
public:
    explicit ZipFieldReader(std::string_view data) : data_(data) {}

    bool ok() const { return ok_; }
    std::size_t remaining() const { return data_.size() - position_; }

    std::uint16_t u16() { return static_cast<std::uint16_t>(number(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(number(4)); }
    std::uint64_t u64() { return number(8); }

    // The next count bytes, or an empty view when fewer remain.
    std::string_view bytes(std::size_t count) {
        if (!ok_ || count > remaining()) {
            ok_ = false;
            position_ = data_.size();
            return {};
        }
        const std::string_view view = data_.substr(position_, count);
        position_ += count;
        return view;
    }

private:
    std::uint64_t number(std::size_t width) {
        const std::string_view field = bytes(width);
        std::uint64_t value = 0;
        for (std::size_t i = field.size(); i > 0; --i) {
            value = value << 8 | static_cast<unsigned char>(field[i - 1]);
        }
        return value;
    }

    std::string_view data_;
    std::size_t position_ = 0;
    bool ok_ = true;
};
