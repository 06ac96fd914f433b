#pragma once

#include <cstddef>

#include "gtfs/ImportReport.h"

// The memory an import may keep of a feed, taken in bytes as the tables, the stop sequences and
// the lines built from them are kept. A feed that would keep more is refused at the file and row
// where it passes the limit, so that no feed, however it is built, takes the importer past a
// few hundred megabytes; a city's feed keeps a small part of it.
class ImportBudget {
public:
    static constexpr std::size_t kDefaultBytes = 128u << 20;

    explicit ImportBudget(std::size_t bytes = kDefaultBytes) : limit_(bytes) {}

    // Takes the bytes; false, after reporting it at the file and row, once the limit is passed.
    bool take(std::size_t bytes, ImportReport& report, const char* file, std::size_t row);
    bool passed() const { return used_ > limit_; }

private:
    std::size_t limit_;
    std::size_t used_ = 0;
};
