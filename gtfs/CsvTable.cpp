#include "gtfs/CsvTable.h"

#include "core/TextConversion.h"
#include "gtfs/FeedText.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/NoticeText.h"

CsvTable::CsvTable(const FeedFiles& feed, const char* file, ImportReport& report)
    : feed_(feed), file_(file), report_(report) {}

bool CsvTable::open(bool required) {
    if (report_.errors() >= kErrorLimit) {
        return false;
    }
    if (!feed_.has(file_)) {
        if (required) {
            report_.add(NoticeSeverity::Error, gtfsTexts::kMissingFile, file_, 0, "",
                        noticeText(gtfsTexts::kFileMissingDetail, {file_}));
        }
        return false;
    }
    std::string problem;
    stream_ = feed_.open(file_, problem);
    if (!stream_) {
        report_.add(NoticeSeverity::Error, gtfsTexts::kFeedUnreadable, file_, 0, "",
                    gbkToUtf8(problem));
        return false;
    }
    reader_ = std::make_unique<CsvReader>(*stream_);
    if (!next()) {
        // An empty file has no header and so none of the required columns.
        return !broken_;
    }
    for (std::size_t i = 0; i < reader_->size(); ++i) {
        const std::string_view name = trimSpaces(reader_->field(i));
        for (std::size_t earlier = 0; earlier < header_.size(); ++earlier) {
            if (header_[earlier] == name && !name.empty()) {
                broken_ = true;
                return error(
                    gtfsTexts::kDuplicatedColumn, header_[earlier].c_str(),
                    noticeText(gtfsTexts::kDuplicatedColumnDetail,
                               {name, std::to_string(earlier + 1), std::to_string(i + 1)}));
            }
        }
        header_.emplace_back(name);
    }
    return true;
}

bool CsvTable::require(std::initializer_list<const char*> columns) {
    bool complete = true;
    for (const char* name : columns) {
        if (column(name) < 0) {
            report_.add(NoticeSeverity::Error, gtfsTexts::kMissingColumn, file_, 1, name,
                        noticeText(gtfsTexts::kColumnMissingDetail, {name}));
            complete = false;
        }
    }
    return complete;
}

int CsvTable::column(const char* name) const {
    for (std::size_t i = 0; i < header_.size(); ++i) {
        if (header_[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CsvTable::next() {
    if (!reader_ || broken_) {
        return false;
    }
    if (reader_->next()) {
        return true;
    }
    if (!reader_->error().empty()) {
        const char* kind =
            stream_->failed() ? gtfsTexts::kFeedUnreadable : gtfsTexts::kMalformedCsv;
        report_.add(NoticeSeverity::Error, kind, file_, reader_->row(), "",
                    gbkToUtf8(reader_->error()));
        broken_ = true;
    }
    return false;
}

bool CsvTable::number(int column, const char* field, std::uint32_t& value, bool mayBeEmpty) {
    const std::string_view text = trimSpaces(this->value(column));
    if (text.empty() && mayBeEmpty) {
        return true;
    }
    std::uint64_t parsed = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || parsed > 0xFFFFFFFFu) {
            parsed = ~0ull;
            break;
        }
        parsed = parsed * 10 + static_cast<unsigned>(c - '0');
    }
    if (text.empty() || parsed > 0xFFFFFFFFu) {
        return error(gtfsTexts::kMalformedNumber, field,
                     noticeText(gtfsTexts::kNumberDetail, {text}));
    }
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

bool CsvTable::lookUp(int column, const char* field, const IdIndex& ids, const char* idFile,
                      const char* kind, std::uint32_t& number) {
    const std::string_view id = value(column);
    number = ids.find(id);
    if (number == IdIndex::kMissing) {
        return error(kind, field, noticeText(gtfsTexts::kUnknownIdDetail, {field, id, idFile}));
    }
    return true;
}

bool CsvTable::keep(ImportBudget& budget, std::size_t bytes) {
    if (budget.take(bytes, report_, file_, row())) {
        return true;
    }
    broken_ = true;
    return false;
}

bool CsvTable::error(const char* kind, const char* field, const std::string& detail) {
    report_.add(NoticeSeverity::Error, kind, file_, row(), field, detail);
    if (report_.errors() >= kErrorLimit) {
        report_.add(NoticeSeverity::Error, gtfsTexts::kTooManyErrors, file_, row(), "",
                    noticeText(gtfsTexts::kTooManyErrorsDetail, {std::to_string(kErrorLimit)}));
        broken_ = true;
    }
    return false;
}

void CsvTable::warn(const char* kind, const char* field, const char* detailFormat,
                    std::initializer_list<std::string_view> utf8Args) {
    report_.add(NoticeSeverity::Warning, kind, file_, row(), field, detailFormat, utf8Args);
}
