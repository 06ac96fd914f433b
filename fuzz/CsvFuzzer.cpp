// Reads one input as CSV handed out in chunks of the size its first byte gives, and compares
// every record, row and error with a plain reading of the same rules over the whole text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/CsvReader.h"
#include "gtfs/GtfsTexts.h"

namespace {

class ChunkStream : public FeedStream {
public:
    ChunkStream(std::string_view text, std::size_t step) : text_(text), step_(step) {}
    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, step_, text_.size()});
        std::memcpy(buffer, text_.data(), count);
        text_.remove_prefix(count);
        return count;
    }
    bool failed() const override { return false; }

private:
    std::string_view text_;
    std::size_t step_;
};

struct Reading {
    std::vector<std::pair<std::size_t, std::vector<std::string>>> records;
    std::string error;
    std::size_t errorRow = 0;
};

// RFC 4180 as the reader has it, one byte at a time over the whole text.
Reading plainReading(std::string_view text) {
    Reading out;
    std::size_t pos = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    std::size_t row = 0;
    bool afterCarriageReturn = false;
    for (;;) {
        while (pos < text.size() && (text[pos] == '\n' || text[pos] == '\r')) {
            row += text[pos] == '\n' && !afterCarriageReturn;
            afterCarriageReturn = false;
            ++pos;
        }
        if (pos == text.size()) {
            return out;
        }
        ++row;
        std::vector<std::string> fields;
        auto fail = [&](const char* error) {
            out.error = error;
            out.errorRow = row;
            return out;
        };
        for (;;) {
            std::string field;
            if (pos < text.size() && text[pos] == '"') {
                ++pos;
                for (;;) {
                    if (pos == text.size()) {
                        return fail(gtfsTexts::kUnclosedQuote);
                    }
                    const char c = text[pos++];
                    if (c != '"') {
                        field += c;
                    } else if (pos < text.size() && text[pos] == '"') {
                        field += '"';
                        ++pos;
                    } else {
                        break;
                    }
                }
            } else {
                while (pos < text.size() && text[pos] != ',' && text[pos] != '\n' &&
                       text[pos] != '\r') {
                    field += text[pos++];
                }
            }
            fields.push_back(field);
            if (fields.size() > CsvReader::kMostFields) {
                return fail(gtfsTexts::kTooManyFields);
            }
            if (pos == text.size()) {
                break;
            }
            const char delimiter = text[pos++];
            if (delimiter == '\n' || delimiter == '\r') {
                afterCarriageReturn = delimiter == '\r';
                break;
            }
            if (delimiter != ',') {
                return fail(gtfsTexts::kTextAfterQuote);
            }
        }
        out.records.push_back({row, fields});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Records of a megabyte are refused by design; the plain reading knows no such limit.
    if (size == 0 || size > CsvReader::kLongestRecord) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    ChunkStream stream(text, data[0] + 1u);
    CsvReader reader(stream);
    Reading read;
    while (reader.next()) {
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < reader.size(); ++i) {
            fields.emplace_back(reader.field(i));
        }
        read.records.push_back({reader.row(), fields});
    }
    read.error = reader.error();
    read.errorRow = read.error.empty() ? 0 : reader.row();
    const Reading expected = plainReading(text);
    if (read.records != expected.records || read.error != expected.error ||
        read.errorRow != expected.errorRow) {
        std::abort();
    }
    return 0;
}
