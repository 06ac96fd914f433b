#pragma once

#include <cstddef>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class NoticeSeverity { Error, Warning, Info };

// One finding about the feed, placed as GTFS validators place theirs: the file, the record's
// row (the header being row 1; 0 for the file as a whole) and the column. Texts are UTF-8.
struct Notice {
    NoticeSeverity severity = NoticeSeverity::Warning;
    std::string kind;
    std::string file;
    std::size_t row = 0;
    std::string field;
    std::string detail;
};

// Everything an import found, and what it wrote. A feed can repeat one fault on every row, so
// only the first kNoticesKeptPerKind notices of a kind are kept; all are counted.
struct ImportReport {
    static constexpr std::size_t kNoticesKeptPerKind = 100;
    // A quoted text longer than this is cut in a notice, and a whole detail at eight times it.
    static constexpr std::size_t kLongestQuote = 120;

    std::vector<Notice> notices;
    std::size_t routes = 0;
    std::size_t tripsUsed = 0;
    std::size_t stops = 0;

    void add(NoticeSeverity severity, const char* kind, const char* file, std::size_t row,
             const std::string& field, const std::string& detail);
    // The same with the detail as noticeText() makes it, made only for a notice that is listed:
    // a fault repeated on millions of rows costs a count each.
    void add(NoticeSeverity severity, const char* kind, const char* file, std::size_t row,
             const std::string& field, const char* detailFormat,
             std::initializer_list<std::string_view> utf8Args);
    bool failed() const { return errors_ > 0; }
    // How many errors were found, listed or not.
    std::size_t errors() const { return errors_; }
    // How many notices of the severity and kind were found, kept or not.
    std::size_t count(NoticeSeverity severity, const std::string& kind) const;

    // One line per notice, then the counts and the notices by kind (UTF-8).
    std::string text() const;
    std::string json() const;

private:
    std::map<std::pair<NoticeSeverity, std::string>, std::size_t> counts_;
    std::size_t errors_ = 0;
};

// The text cut at a UTF-8 character's start so that it holds at most limit bytes before an
// ellipsis.
std::string shortenedText(const std::string& text, std::size_t limit);
