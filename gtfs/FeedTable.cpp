#include "gtfs/FeedTable.h"

#include "core/MessageFormat.h"
#include "gtfs/GtfsTexts.h"

FeedTable::FeedTable(const FeedFiles& feed, const char* file, ImportReport& report)
    : feed_(feed), file_(file), report_(report) {}

bool FeedTable::open(bool required) {
    if (!feed_.has(file_)) {
        if (required) {
            report_.add(NoticeSeverity::Error, gtfsTexts::kMissingFile, file_, 0, "",
                        formatMessage(gtfsTexts::kFileMissingDetail, {file_}));
        }
        return false;
    }
    std::string problem;
    stream_ = feed_.open(file_, problem);
    if (!stream_) {
        report_.add(NoticeSeverity::Error, gtfsTexts::kFeedUnreadable, file_, 0, "", problem);
        return false;
    }
    reader_ = std::make_unique<CsvReader>(*stream_);
    if (!next()) {
        // An empty file has no header and so none of the required columns.
        return !broken_;
    }
    for (std::size_t i = 0; i < reader_->size(); ++i) {
        std::string_view name = reader_->field(i);
        while (!name.empty() && name.back() == ' ') {
            name.remove_suffix(1);
        }
        while (!name.empty() && name.front() == ' ') {
            name.remove_prefix(1);
        }
        for (std::size_t earlier = 0; earlier < header_.size(); ++earlier) {
            if (header_[earlier] == name && !name.empty()) {
                broken_ = true;
                return error(
                    gtfsTexts::kDuplicatedColumn, header_[earlier].c_str(),
                    formatMessage(gtfsTexts::kDuplicatedColumnDetail,
                                  {name, std::to_string(earlier + 1), std::to_string(i + 1)}));
            }
        }
        header_.emplace_back(name);
    }
    return true;
}

bool FeedTable::require(std::initializer_list<const char*> columns) {
    bool complete = true;
    for (const char* name : columns) {
        if (column(name) < 0) {
            report_.add(NoticeSeverity::Error, gtfsTexts::kMissingColumn, file_, 1, name,
                        formatMessage(gtfsTexts::kColumnMissingDetail, {name}));
            complete = false;
        }
    }
    return complete;
}

int FeedTable::column(const char* name) const {
    for (std::size_t i = 0; i < header_.size(); ++i) {
        if (header_[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool FeedTable::next() {
    if (!reader_ || broken_) {
        return false;
    }
    if (reader_->next()) {
        return true;
    }
    if (!reader_->error().empty()) {
        const char* kind =
            stream_->failed() ? gtfsTexts::kFeedUnreadable : gtfsTexts::kMalformedCsv;
        report_.add(NoticeSeverity::Error, kind, file_, reader_->row(), "", reader_->error());
        broken_ = true;
    }
    return false;
}

bool FeedTable::error(const char* kind, const char* field, const std::string& detail) {
    report_.add(NoticeSeverity::Error, kind, file_, row(), field, detail);
    return false;
}

void FeedTable::warn(const char* kind, const char* field, const std::string& detail) {
    report_.add(NoticeSeverity::Warning, kind, file_, row(), field, detail);
}
