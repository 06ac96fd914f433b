#include "network/LintAcceptedList.h"

#include <algorithm>
#include <unordered_map>

#include "core/InputLines.h"
#include "core/MessageFormat.h"
#include "network/NetworkTexts.h"

namespace {

constexpr char kUnmatchedKind[] = "accepted_unmatched";

std::string_view withoutLineEnd(std::string_view line) {
    line = withoutLineFeed(line);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

std::string acceptedListLine(const LintNotice& notice) {
    std::string line = notice.kind + '\t' + notice.route;
    for (const std::string& name : notice.names) {
        line += '\t';
        line += name;
    }
    return line;
}

std::string writeAcceptedList(const std::vector<LintNotice>& notices) {
    std::string text = networkTexts::kAcceptedListHeading;
    std::vector<std::string> written;
    for (const LintNotice& notice : notices) {
        if (notice.kind == kUnmatchedKind) {
            continue;
        }
        std::string line = acceptedListLine(notice);
        if (std::find(written.begin(), written.end(), line) == written.end()) {
            text += line + '\n';
            written.push_back(std::move(line));
        }
    }
    return text;
}

std::size_t applyAcceptedList(const std::string& listPath, std::string_view listText,
                              std::vector<LintNotice>& notices) {
    // Each accepted line with its line number and whether a notice matched it.
    struct Accepted {
        std::size_t line;
        bool used = false;
    };
    std::unordered_map<std::string, Accepted> accepted;
    std::vector<std::string> order;
    InputLines lines(listText);
    std::string_view piece;
    std::size_t number = 0;
    while (lines.next(piece)) {
        ++number;
        const std::string_view line = withoutLineEnd(piece);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (accepted.emplace(std::string(line), Accepted{number}).second) {
            order.emplace_back(line);
        }
    }
    const std::size_t before = notices.size();
    notices.erase(std::remove_if(notices.begin(), notices.end(),
                                 [&accepted](const LintNotice& notice) {
                                     const auto found = accepted.find(acceptedListLine(notice));
                                     if (found == accepted.end()) {
                                         return false;
                                     }
                                     found->second.used = true;
                                     return true;
                                 }),
                  notices.end());
    const std::size_t left = before - notices.size();
    for (const std::string& line : order) {
        const Accepted& entry = accepted.at(line);
        if (!entry.used) {
            LintNotice unmatched;
            unmatched.severity = LintSeverity::Info;
            unmatched.kind = kUnmatchedKind;
            unmatched.file = listPath;
            unmatched.line = entry.line;
            unmatched.detail = formatMessage(networkTexts::kAcceptedUnmatched, {line});
            notices.push_back(std::move(unmatched));
        }
    }
    return left;
}
