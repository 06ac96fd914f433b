#include "gtfs/ImportReport.h"

#include <nlohmann/json.hpp>

#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/NoticeText.h"

namespace {

constexpr char kEllipsis[] = u8"…";

const char* severityName(NoticeSeverity severity) {
    switch (severity) {
        case NoticeSeverity::Error:
            return "error";
        case NoticeSeverity::Warning:
            return "warning";
        case NoticeSeverity::Info:
            break;
    }
    return "info";
}

// Cuts each text between double quotes that is longer than limit, so that an id of a
// megabyte names itself in a line.
std::string shortenQuotes(const std::string& detail, std::size_t limit) {
    std::string out;
    std::size_t at = 0;
    for (;;) {
        const std::size_t open = detail.find('"', at);
        const std::size_t close = open == std::string::npos ? open : detail.find('"', open + 1);
        if (close == std::string::npos) {
            return out + detail.substr(at);
        }
        out += detail.substr(at, open + 1 - at);
        out += shortenedText(detail.substr(open + 1, close - open - 1), limit) + '"';
        at = close + 1;
    }
}

}  // namespace

std::string shortenedText(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return text.substr(0, cut) + kEllipsis;
}

void ImportReport::add(NoticeSeverity severity, const char* kind, const char* file, std::size_t row,
                       const std::string& field, const std::string& detail) {
    if (severity == NoticeSeverity::Error) {
        ++errors_;
    }
    if (++counts_[{severity, kind}] > kNoticesKeptPerKind) {
        return;
    }
    notices.push_back({severity, kind, shortenedText(file, kLongestQuote), row,
                       shortenedText(field, kLongestQuote),
                       shortenedText(shortenQuotes(detail, kLongestQuote), 8 * kLongestQuote)});
}

void ImportReport::add(NoticeSeverity severity, const char* kind, const char* file, std::size_t row,
                       const std::string& field, const char* detailFormat,
                       std::initializer_list<std::string_view> utf8Args) {
    const auto counted = counts_.find({severity, kind});
    if (counted != counts_.end() && counted->second >= kNoticesKeptPerKind) {
        errors_ += severity == NoticeSeverity::Error;
        ++counted->second;
        return;
    }
    add(severity, kind, file, row, field, noticeText(detailFormat, utf8Args));
}

std::size_t ImportReport::count(NoticeSeverity severity, const std::string& kind) const {
    const auto found = counts_.find({severity, kind});
    return found == counts_.end() ? 0 : found->second;
}

std::string ImportReport::text() const {
    std::string out;
    for (const Notice& n : notices) {
        out += n.row == 0 ? formatMessage(gtfsTexts::kFileNoticeLine,
                                          {n.file, severityName(n.severity), n.kind, n.detail})
                          : formatMessage(gtfsTexts::kNoticeLine,
                                          {n.file, std::to_string(n.row), n.field,
                                           severityName(n.severity), n.kind, n.detail});
    }
    if (failed()) {
        out += gbkToUtf8(gtfsTexts::kFailed);
    } else {
        out += formatMessage(
            gbkToUtf8(gtfsTexts::kSummary),
            {std::to_string(routes), std::to_string(tripsUsed), std::to_string(stops)});
    }
    for (const auto& [key, count] : counts_) {
        out += formatMessage(gtfsTexts::kKindCount,
                             {severityName(key.first), key.second, std::to_string(count)});
        if (count > kNoticesKeptPerKind) {
            out += formatMessage(gbkToUtf8(gtfsTexts::kNoticesNotListed),
                                 {std::to_string(count - kNoticesKeptPerKind)});
        }
    }
    return out;
}

std::string ImportReport::json() const {
    nlohmann::ordered_json report;
    report["ok"] = !failed();
    report["routes"] = routes;
    report["tripsUsed"] = tripsUsed;
    report["stops"] = stops;
    report["noticeCounts"] = nlohmann::ordered_json::array();
    for (const auto& [key, count] : counts_) {
        report["noticeCounts"].push_back(
            {{"severity", severityName(key.first)},
             {"kind", key.second},
             {"count", count},
             {"notListed", count > kNoticesKeptPerKind ? count - kNoticesKeptPerKind : 0}});
    }
    report["notices"] = nlohmann::ordered_json::array();
    for (const Notice& n : notices) {
        report["notices"].push_back({{"severity", severityName(n.severity)},
                                     {"kind", n.kind},
                                     {"file", n.file},
                                     {"row", n.row},
                                     {"field", n.field},
                                     {"detail", n.detail}});
    }
    return report.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}
