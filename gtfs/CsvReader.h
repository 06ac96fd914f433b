#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/FeedFiles.h"

// Reads comma-separated records from a stream as RFC 4180 has them: fields in double quotes
// may hold commas, line breaks and doubled quotes; lines end in CR LF or LF; a UTF-8 byte
// order mark at the start is dropped. Empty lines are skipped. A record is parsed in place in
// the read buffer and its fields are views into it, so a file of any length is read in
// constant memory; a record longer than kLongestRecord bytes or kMostFields fields is refused
// rather than held.
class CsvReader {
public:
    static constexpr std::size_t kLongestRecord = 1 << 20;
    static constexpr std::size_t kMostFields = 10000;

    explicit CsvReader(FeedStream& stream);

    // Reads the next record. False at the end of the stream, or when the record is malformed
    // or the stream cannot be read, which sets error().
    bool next();

    std::size_t size() const { return fields_.size(); }
    // The field's text, valid until the next call of next(); an empty text for a field the
    // record lacks.
    std::string_view field(std::size_t index) const {
        if (index >= fields_.size()) {
            return {};
        }
        return std::string_view(buffer_.data() + recordStart_ + fields_[index].begin,
                                fields_[index].end - fields_[index].begin);
    }
    // The record's number in the file, the first record (the header) being 1.
    std::size_t row() const { return row_; }
    const std::string& error() const { return error_; }

private:
    // Offsets from the record's start.
    struct Field {
        std::uint32_t begin;
        std::uint32_t end;
    };

    // Makes more bytes available after end_, keeping the record being read; false at the end
    // of the stream or after an error.
    bool more();
    bool skipEmptyLines();
    bool readRecord();
    bool fail(const std::string& problem);

    FeedStream& stream_;
    std::vector<char> buffer_;
    std::size_t recordStart_ = 0;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool streamEnded_ = false;
    // A record ended at a CR, so an LF right after it belongs to that line break.
    bool afterCarriageReturn_ = false;
    std::vector<Field> fields_;
    std::size_t row_ = 0;
    std::string error_;
};
