#include "network/LintReport.h"

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>

#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/NetworkTexts.h"

namespace {

// Counts by severity and kind, in that order.
std::map<std::pair<LintSeverity, std::string>, std::size_t> countKinds(
    const std::vector<LintNotice>& notices) {
    std::map<std::pair<LintSeverity, std::string>, std::size_t> counts;
    for (const LintNotice& notice : notices) {
        ++counts[{notice.severity, notice.kind}];
    }
    return counts;
}

}  // namespace

std::string lintNoticeLine(const LintNotice& n) {
    const char* severity = severityName(n.severity);
    if (n.placedByLine()) {
        const std::string line = std::to_string(n.line);
        return n.field.empty() ? formatMessage(networkTexts::kNoticeAtLineNoField,
                                               {n.file, line, severity, n.kind, n.detail})
                               : formatMessage(networkTexts::kNoticeAtLine,
                                               {n.file, line, n.field, severity, n.kind, n.detail});
    }
    if (n.route.empty()) {
        return formatMessage(networkTexts::kNoticeInFolder, {n.file, severity, n.kind, n.detail});
    }
    return n.field.empty()
               ? formatMessage(networkTexts::kNoticeAtRouteNoField,
                               {n.file, n.route, n.direction, severity, n.kind, n.detail})
               : formatMessage(networkTexts::kNoticeAtRoute,
                               {n.file, n.route, n.direction, n.field, severity, n.kind, n.detail});
}

std::string lintSummary(const std::vector<LintNotice>& notices, std::size_t accepted) {
    std::size_t bySeverity[3] = {0, 0, 0};
    for (const LintNotice& notice : notices) {
        ++bySeverity[static_cast<int>(notice.severity)];
    }
    std::string text = formatMessage(
        networkTexts::kSummary, {std::to_string(notices.size()), std::to_string(bySeverity[0]),
                                 std::to_string(bySeverity[1]), std::to_string(bySeverity[2])});
    if (accepted > 0) {
        text += formatMessage(networkTexts::kSummaryAccepted, {std::to_string(accepted)});
    }
    for (const auto& [key, count] : countKinds(notices)) {
        text += formatMessage(networkTexts::kKindCount,
                              {severityName(key.first), key.second, std::to_string(count)});
    }
    return text;
}

std::string lintJson(const std::vector<LintNotice>& notices) {
    nlohmann::json list = nlohmann::json::array();
    for (const LintNotice& n : notices) {
        nlohmann::json entry = {
            {"severity", severityName(n.severity)}, {"kind", n.kind}, {"file", gbkToUtf8(n.file)}};
        if (n.placedByLine()) {
            entry["line"] = n.line;
        } else {
            entry["route"] = gbkToUtf8(n.route);
            entry["direction"] = n.direction;
        }
        entry["field"] = n.field;
        entry["detail"] = gbkToUtf8(n.detail);
        list.push_back(std::move(entry));
    }
    nlohmann::json counts = nlohmann::json::object();
    for (const LintNotice& n : notices) {
        counts[n.kind] = counts.value(n.kind, 0) + 1;
    }
    const nlohmann::json report = {{"notices", std::move(list)}, {"counts", std::move(counts)}};
    return report.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

bool lintFoundProblems(const std::vector<LintNotice>& notices) {
    return std::any_of(notices.begin(), notices.end(),
                       [](const LintNotice& n) { return n.severity != LintSeverity::Info; });
}
