#include "gtfs/CsvReader.h"

#include <cstring>

#include "gtfs/GtfsTexts.h"

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(FeedStream& stream) : stream_(stream), buffer_(kBufferBytes) {}

std::string_view CsvReader::field(std::size_t index) const {
    if (index >= ends_.size()) {
        return {};
    }
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

bool CsvReader::fill() {
    if (!error_.empty()) {
        return false;
    }
    end_ = stream_.read(buffer_.data(), buffer_.size());
    pos_ = 0;
    if (stream_.failed()) {
        fail(gtfsTexts::kUnreadable);
        end_ = 0;
        return false;
    }
    if (!started_) {
        started_ = true;
        // A stream's first read may be short, so the mark is looked for over three reads.
        while (end_ < 3 && end_ > 0) {
            const std::size_t more = stream_.read(buffer_.data() + end_, buffer_.size() - end_);
            if (more == 0) {
                break;
            }
            end_ += more;
        }
        if (end_ >= 3 && std::memcmp(buffer_.data(), kByteOrderMark, 3) == 0) {
            pos_ = 3;
            if (pos_ == end_) {
                return fill();
            }
        }
    }
    return pos_ < end_;
}

bool CsvReader::fail(const char* problem) {
    if (error_.empty()) {
        error_ = problem;
    }
    return false;
}

bool CsvReader::next() {
    text_.clear();
    ends_.clear();
    // Empty lines hold no record but are counted, so that rows stay the file's line numbers
    // where no field holds a line break.
    for (;;) {
        if (atEnd()) {
            return false;
        }
        const char c = buffer_[pos_];
        if (c == '\n') {
            ++pos_;
            ++row_;
        } else if (c == '\r') {
            ++pos_;
        } else {
            break;
        }
    }
    ++row_;
    for (;;) {
        if (!atEnd() && buffer_[pos_] == '"') {
            ++pos_;
            if (!readQuoted()) {
                return false;
            }
        } else {
            readPlain();
        }
        ends_.push_back(text_.size());
        if (atEnd()) {
            return error_.empty();
        }
        const char delimiter = buffer_[pos_++];
        if (delimiter == '\n') {
            return true;
        }
        if (delimiter == '\r') {
            if (!atEnd() && buffer_[pos_] == '\n') {
                ++pos_;
            }
            return true;
        }
        if (delimiter != ',') {
            return fail(gtfsTexts::kTextAfterQuote);
        }
    }
}

void CsvReader::readPlain() {
    while (!atEnd()) {
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + end_;
        const char* stop = begin;
        while (stop != end && *stop != ',' && *stop != '\n' && *stop != '\r') {
            ++stop;
        }
        text_.append(begin, static_cast<std::size_t>(stop - begin));
        pos_ += static_cast<std::size_t>(stop - begin);
        if (stop != end) {
            return;
        }
    }
}

bool CsvReader::readQuoted() {
    for (;;) {
        if (atEnd()) {
            return error_.empty() ? fail(gtfsTexts::kUnclosedQuote) : false;
        }
        const char* begin = buffer_.data() + pos_;
        const char* quote = static_cast<const char*>(std::memchr(begin, '"', end_ - pos_));
        if (quote == nullptr) {
            text_.append(begin, end_ - pos_);
            pos_ = end_;
            continue;
        }
        text_.append(begin, static_cast<std::size_t>(quote - begin));
        pos_ += static_cast<std::size_t>(quote - begin) + 1;
        // A doubled quote stands for one quote; any other quote closes the field.
        if (!atEnd() && buffer_[pos_] == '"') {
            text_.push_back('"');
            ++pos_;
            continue;
        }
        return error_.empty();
    }
}
