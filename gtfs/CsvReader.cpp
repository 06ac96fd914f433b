#include "gtfs/CsvReader.h"

#include <cstring>

#include "gtfs/GtfsTexts.h"

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(FeedStream& stream) : stream_(stream), buffer_(kBufferBytes) {}

bool CsvReader::fail(const std::string& problem) {
    if (error_.empty()) {
        error_ = problem;
    }
    return false;
}

bool CsvReader::more() {
    if (!error_.empty() || streamEnded_) {
        return false;
    }
    if (recordStart_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + recordStart_, end_ - recordStart_);
        pos_ -= recordStart_;
        end_ -= recordStart_;
        recordStart_ = 0;
    }
    if (end_ > kLongestRecord) {
        return fail(gtfsTexts::kRecordTooLong);
    }
    if (end_ == buffer_.size()) {
        buffer_.resize(buffer_.size() * 2);
    }
    const std::size_t got = stream_.read(buffer_.data() + end_, buffer_.size() - end_);
    if (stream_.failed()) {
        const std::string problem = stream_.problem();
        return fail(problem.empty() ? std::string(gtfsTexts::kUnreadable) : problem);
    }
    if (got == 0) {
        streamEnded_ = true;
        return false;
    }
    end_ += got;
    return true;
}

// Skips line breaks before a record; they hold no record but are counted, so that rows stay
// the file's line numbers where no field holds a line break.
bool CsvReader::skipEmptyLines() {
    if (!started_) {
        started_ = true;
        while (end_ < 3 && more()) {
        }
        if (end_ >= 3 && std::memcmp(buffer_.data(), kByteOrderMark, 3) == 0) {
            pos_ = 3;
        }
    }
    for (;;) {
        recordStart_ = pos_;
        if (pos_ == end_ && !more()) {
            return false;
        }
        const char c = buffer_[pos_];
        if (c == '\n') {
            if (!afterCarriageReturn_) {
                ++row_;
            }
        } else if (c != '\r') {
            afterCarriageReturn_ = false;
            return true;
        }
        afterCarriageReturn_ = false;
        ++pos_;
    }
}

bool CsvReader::next() {
    fields_.clear();
    if (!skipEmptyLines()) {
        return false;
    }
    ++row_;
    return readRecord();
}

// Parses the record at pos_ in place: a quoted field's doubled quotes are closed up over its
// own bytes, so every field stays a run of the buffer. Offsets from the record's start, not
// pointers, are kept, since more() moves the record to the buffer's start.
bool CsvReader::readRecord() {
    for (;;) {
        if (pos_ == end_) {
            more();
        }
        if (pos_ < end_ && buffer_[pos_] == '"') {
            ++pos_;
            const std::size_t begin = pos_ - recordStart_;
            std::size_t out = begin;
            for (;;) {
                if (pos_ == end_ && !more()) {
                    return error_.empty() ? fail(gtfsTexts::kUnclosedQuote) : false;
                }
                const char* from = buffer_.data() + pos_;
                const char* quote = static_cast<const char*>(std::memchr(from, '"', end_ - pos_));
                const std::size_t run =
                    quote == nullptr ? end_ - pos_ : static_cast<std::size_t>(quote - from);
                if (recordStart_ + out != pos_) {
                    std::memmove(buffer_.data() + recordStart_ + out, from, run);
                }
                out += run;
                pos_ += run;
                if (quote == nullptr) {
                    continue;
                }
                ++pos_;
                if (pos_ == end_ && !more() && !error_.empty()) {
                    return false;
                }
                // A doubled quote stands for one quote; any other quote closes the field.
                if (pos_ < end_ && buffer_[pos_] == '"') {
                    buffer_[recordStart_ + out++] = '"';
                    ++pos_;
                    continue;
                }
                fields_.push_back(
                    {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(out)});
                break;
            }
        } else {
            const std::size_t begin = pos_ - recordStart_;
            for (;;) {
                const char* scan = buffer_.data() + pos_;
                const char* stop = buffer_.data() + end_;
                while (scan != stop && *scan != ',' && *scan != '\n' && *scan != '\r') {
                    ++scan;
                }
                pos_ = static_cast<std::size_t>(scan - buffer_.data());
                if (scan != stop || !more()) {
                    break;
                }
            }
            fields_.push_back({static_cast<std::uint32_t>(begin),
                               static_cast<std::uint32_t>(pos_ - recordStart_)});
        }
        if (pos_ - recordStart_ > kLongestRecord) {
            return fail(gtfsTexts::kRecordTooLong);
        }
        if (fields_.size() > kMostFields) {
            return fail(gtfsTexts::kTooManyFields);
        }
        if (pos_ == end_ && !more()) {
            return error_.empty();
        }
        const char delimiter = buffer_[pos_++];
        if (delimiter == '\n') {
            return true;
        }
        if (delimiter == '\r') {
            afterCarriageReturn_ = true;
            return true;
        }
        if (delimiter != ',') {
            return fail(gtfsTexts::kTextAfterQuote);
        }
    }
}
