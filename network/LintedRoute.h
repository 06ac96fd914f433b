#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "network/LintNotice.h"

// One route as the checks see it, whether it was read from an input text or from a data
// folder: views into the text or into the loaded routes, which outlive the checks.
struct LintedRoute {
    std::size_t line = 0;      // in the input text; 0 for a data folder
    std::size_t position = 0;  // among the routes, from 1
    std::string_view name;
    std::string_view start, startFirst, startLast;
    std::string_view terminal, terminalFirst, terminalLast;
    std::vector<std::string_view> up, down;
    bool ownDownList = false;  // the down list is not the up list reversed
};

inline constexpr char kDirectionUp[] = "up";
inline constexpr char kDirectionDown[] = "down";

// Collects the notices of one source and hands them back in the order of the source.
class LintNotices {
public:
    explicit LintNotices(std::string file) : file_(std::move(file)) {}

    void add(LintSeverity severity, const char* kind, const LintedRoute& route,
             const char* direction, const char* field, std::string detail,
             std::vector<std::string> names) {
        LintNotice notice{severity,
                          kind,
                          file_,
                          route.line,
                          std::string(route.name),
                          direction,
                          field,
                          std::move(detail),
                          std::move(names)};
        placed_.push_back({route.line != 0 ? route.line : route.position, std::move(notice)});
    }

    // A notice on a line of the text that makes no route: a header line (routeName empty) or a
    // data line the checks cannot take as a route.
    void addAtLine(LintSeverity severity, const char* kind, std::size_t line,
                   std::string_view routeName, const char* field, std::string detail,
                   std::vector<std::string> names) {
        LintNotice notice{severity,
                          kind,
                          file_,
                          line,
                          std::string(routeName),
                          std::string(),
                          field,
                          std::move(detail),
                          std::move(names)};
        placed_.push_back({line, std::move(notice)});
    }

    std::vector<LintNotice> take() {
        std::stable_sort(placed_.begin(), placed_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<LintNotice> notices;
        notices.reserve(placed_.size());
        for (auto& placed : placed_) {
            notices.push_back(std::move(placed.second));
        }
        return notices;
    }

private:
    std::string file_;
    std::vector<std::pair<std::size_t, LintNotice>> placed_;
};
