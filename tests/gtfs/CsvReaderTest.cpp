#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "gtfs/CsvReader.h"
#include "gtfs/GtfsTexts.h"

namespace {

// Hands out its text a few bytes at a time, so that records cross the reader's refills.
class TextStream : public FeedStream {
public:
    TextStream(std::string text, std::size_t step) : text_(std::move(text)), step_(step) {}

    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, step_, text_.size() - pos_});
        std::memcpy(buffer, text_.data() + pos_, count);
        pos_ += count;
        return count;
    }
    bool failed() const override { return false; }

private:
    std::string text_;
    std::size_t step_;
    std::size_t pos_ = 0;
};

// Every record as its fields joined by "|", each prefixed with its row.
std::string readAll(const std::string& text, std::size_t step, std::string* error = nullptr) {
    TextStream stream(text, step);
    CsvReader reader(stream);
    std::string out;
    while (reader.next()) {
        out += std::to_string(reader.row()) + ":";
        for (std::size_t i = 0; i < reader.size(); ++i) {
            out += (i == 0 ? "" : "|") + std::string(reader.field(i));
        }
        out += "\n";
    }
    if (error != nullptr) {
        *error = reader.error() + " at " + std::to_string(reader.row());
    }
    return out;
}

TEST(CsvReaderTest, ReadsRfc4180RecordsWhateverTheChunkSize) {
    const std::string text =
        "\xEF\xBB\xBF"
        "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
        "\r\n"
        ",,\n"
        "last,\"\",end";
    const std::string expected =
        "1:a|b|c\n"
        "2:x, y|say \"hi\"|two\r\nlines\n"
        "4:||\n"
        "5:last||end\n";
    for (const std::size_t step : {1, 2, 3, 7, 1000}) {
        SCOPED_TRACE(step);
        EXPECT_EQ(readAll(text, step), expected);
    }
}

TEST(CsvReaderTest, RefusesMalformedAndOverlongRecordsAtTheirRow) {
    const std::size_t limit = CsvReader::kLongestRecord;
    const std::string longest(limit, 'x');
    const struct {
        std::string text;
        std::string records;
        const char* error;  // null when the whole text reads
    } cases[] = {
        {"a\n\"open,b\nc\n", "1:a\n", gtfsTexts::kUnclosedQuote},
        {"a\n\"x\"y,b\n", "1:a\n", gtfsTexts::kTextAfterQuote},
        {"a\n" + longest + "\nb", "1:a\n2:" + longest + "\n3:b\n", nullptr},
        {"a\n" + longest + "y\nb", "1:a\n", gtfsTexts::kRecordTooLong},
        {"a\n\"" + longest, "1:a\n", gtfsTexts::kRecordTooLong},
        {"a\n" + std::string(limit + 1, ','), "1:a\n", gtfsTexts::kTooManyFields},
        {"a\n" + std::string(CsvReader::kMostFields - 1, ',') + "\nb",
         "1:a\n2:" + std::string(CsvReader::kMostFields - 1, '|') + "\n3:b\n", nullptr},
        {"a\n" + std::string(CsvReader::kMostFields, ',') + "\nb", "1:a\n",
         gtfsTexts::kTooManyFields},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        std::string error;
        EXPECT_EQ(readAll(c.text, c.text.size() < 100 ? 3 : 4096, &error), c.records);
        EXPECT_EQ(error, std::string(c.error != nullptr ? c.error : "") + " at " +
                             (c.error != nullptr ? "2" : "3"));
    }
}

}  // namespace
