#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// One fuzzing input holds the four files that the loader reads, in its order: readme.txt,
// s.i, t.d and t.i, separated by kFileSeparator. A file after the last separator is missing,
// so that inputs with fewer separators try the missing-file paths too.
inline constexpr std::string_view kFileSeparator = "\n==velorin-file==\n";
inline constexpr std::array<const char*, 4> kLoadedFiles = {"readme.txt", "s.i", "t.d", "t.i"};

inline std::array<std::optional<std::string>, 4> splitFuzzInput(std::string_view input) {
    std::array<std::optional<std::string>, 4> files;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::size_t end = input.find(kFileSeparator);
        files[i] = std::string(input.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        input.remove_prefix(end + kFileSeparator.size());
    }
    return files;
}

inline std::string joinFuzzInput(const std::array<std::string, 4>& files) {
    std::string input;
    for (std::size_t i = 0; i < files.size(); ++i) {
        input += files[i];
        if (i + 1 < files.size()) {
            input += kFileSeparator;
        }
    }
    return input;
}
