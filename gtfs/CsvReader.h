#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/FeedFiles.h"

// Reads comma-separated records from a stream as RFC 4180 has them: fields in double quotes
// may hold commas, line breaks and doubled quotes; lines end in CR LF or LF; a UTF-8 byte
// order mark at the start is dropped. Empty lines are skipped. One record is held at a time,
// so a file of any length is read in constant memory.
class CsvReader {
public:
    explicit CsvReader(FeedStream& stream);

    // Reads the next record. False at the end of the stream, or when the record is malformed
    // or the stream cannot be read, which sets error().
    bool next();

    std::size_t size() const { return ends_.size(); }
    // The field's text; an empty text for a field the record lacks.
    std::string_view field(std::size_t index) const;
    // The record's number in the file, the first record (the header) being 1.
    std::size_t row() const { return row_; }
    const std::string& error() const { return error_; }

private:
    bool fill();
    bool atEnd() { return pos_ == end_ && !fill(); }
    bool readQuoted();
    void readPlain();
    bool fail(const char* problem);

    FeedStream& stream_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    std::string text_;
    std::vector<std::size_t> ends_;
    std::size_t row_ = 0;
    std::string error_;
};
