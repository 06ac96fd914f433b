#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/CsvReader.h"
#include "gtfs/FeedFiles.h"
#include "gtfs/IdIndex.h"
#include "gtfs/ImportBudget.h"
#include "gtfs/ImportReport.h"

// Errors reported before the feed's files stop being read: enough to fix a feed in one go,
// few enough to read.
inline constexpr std::size_t kErrorLimit = 100;

// One CSV file of a feed as a table, read row by row, its columns found by their header names in
// any order; columns it does not ask for are ignored. Every failure is reported as an error notice
// at the file and row where it happens, and reading goes on with the next row until the report
// holds kErrorLimit errors.
class CsvTable {
public:
    CsvTable(const FeedFiles& feed, const char* file, ImportReport& report);

    // Opens the file and reads its header. A missing file is an error only when required.
    bool open(bool required);
    // False, after reporting each one, when a column is missing.
    bool require(std::initializer_list<const char*> columns);
    // The column's index, or -1 when the header lacks it.
    int column(const char* name) const;

    // Reads the next row; false at the end of the file or after a reported error.
    bool next();
    // The row's value in the column; empty for a column the header or the row lacks.
    std::string_view value(int column) const {
        return column < 0 ? std::string_view() : reader_->field(static_cast<std::size_t>(column));
    }
    std::size_t row() const { return reader_ ? reader_->row() : 0; }
    // False once the file could not be read on to its end, so that its ids are not all known.
    bool complete() const { return reader_ && !broken_; }
    const char* file() const { return file_; }
    ImportReport& report() { return report_; }

    // The row's value in the column as a whole number (spaces around it allowed). False, after
    // reporting it, when it is not one; an empty value is one only when it may be.
    bool number(int column, const char* field, std::uint32_t& value, bool mayBeEmpty = false);
    // The number of the row's id in the column among ids, which come from idFile. False, after
    // reporting kind, when ids lack it.
    bool lookUp(int column, const char* field, const IdIndex& ids, const char* idFile,
                const char* kind, std::uint32_t& number);

    // Takes what the row keeps from the budget; false, after reporting it, once the budget is
    // spent, and no row is read after that.
    bool keep(ImportBudget& budget, std::size_t bytes);

    // Reports an error at the current row and returns false.
    bool error(const char* kind, const char* field, const std::string& detail);
    // Reports a warning at the current row, its detail made by noticeText() when it is listed.
    void warn(const char* kind, const char* field, const char* detailFormat,
              std::initializer_list<std::string_view> utf8Args);

private:
    const FeedFiles& feed_;
    const char* file_;
    ImportReport& report_;
    std::unique_ptr<FeedStream> stream_;
    std::unique_ptr<CsvReader> reader_;
    std::vector<std::string> header_;
    bool broken_ = false;
};
