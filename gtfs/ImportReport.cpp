#include "gtfs/ImportReport.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "gtfs/GtfsTexts.h"

namespace {

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

// Counts by severity and kind, in that order.
std::map<std::pair<NoticeSeverity, std::string>, std::size_t> countKinds(
    const std::vector<Notice>& notices) {
    std::map<std::pair<NoticeSeverity, std::string>, std::size_t> counts;
    for (const Notice& notice : notices) {
        ++counts[{notice.severity, notice.kind}];
    }
    return counts;
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            static const char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

bool ImportReport::failed() const {
    return std::any_of(notices.begin(), notices.end(),
                       [](const Notice& n) { return n.severity == NoticeSeverity::Error; });
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
    for (const auto& [key, count] : countKinds(notices)) {
        out += formatMessage(gtfsTexts::kKindCount,
                             {severityName(key.first), key.second, std::to_string(count)});
    }
    return out;
}

std::string ImportReport::json() const {
    std::string out = "{\n  \"ok\": ";
    out += failed() ? "false" : "true";
    out += ",\n  \"routes\": " + std::to_string(routes);
    out += ",\n  \"tripsUsed\": " + std::to_string(tripsUsed);
    out += ",\n  \"stops\": " + std::to_string(stops);
    out += ",\n  \"noticeCounts\": [";
    const char* separator = "\n";
    for (const auto& [key, count] : countKinds(notices)) {
        out += separator;
        out += "    {\"severity\": " + jsonString(severityName(key.first)) +
               ", \"kind\": " + jsonString(key.second) + ", \"count\": " + std::to_string(count) +
               "}";
        separator = ",\n";
    }
    out += "\n  ],\n  \"notices\": [";
    separator = "\n";
    for (const Notice& n : notices) {
        out += separator;
        out += "    {\"severity\": " + jsonString(severityName(n.severity)) +
               ", \"kind\": " + jsonString(n.kind) + ", \"file\": " + jsonString(n.file) +
               ", \"row\": " + std::to_string(n.row) + ", \"field\": " + jsonString(n.field) +
               ", \"detail\": " + jsonString(n.detail) + "}";
        separator = ",\n";
    }
    out += "\n  ]\n}\n";
    return out;
}
