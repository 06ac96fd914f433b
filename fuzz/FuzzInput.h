#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "datafiles/Loader.h"

// One fuzzing input holds the data files in the order the loader reads them, readme.txt, s.i,
// t.d and t.i, then s.d, which only check reads; they are separated by kFileSeparator. The
// files after the last separator are missing, so that inputs with fewer separators try the
// missing-file paths too.
inline constexpr std::string_view kFileSeparator = "\n==velorin-file==\n";
inline constexpr std::array<const char*, 5> kFuzzedFiles = {"readme.txt", "s.i", "t.d", "t.i",
                                                            "s.d"};
using FuzzedFiles = std::array<std::optional<std::string>, kFuzzedFiles.size()>;

inline FuzzedFiles splitFuzzInput(std::string_view input) {
    FuzzedFiles files;
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

inline std::string joinFuzzInput(const std::array<std::string, kFuzzedFiles.size()>& files) {
    std::string input;
    for (std::size_t i = 0; i < files.size(); ++i) {
        input += (i == 0 ? "" : std::string(kFileSeparator)) + files[i];
    }
    return input;
}

// The files as the loader and check ask for them by name.
inline DataFileSource fuzzedFileSource(const FuzzedFiles& files) {
    return [&files](const char* name, std::string& content) {
        for (std::size_t i = 0; i < kFuzzedFiles.size(); ++i) {
            if (std::string_view(name) == kFuzzedFiles[i] && files[i]) {
                content = *files[i];
                return true;
            }
        }
        return false;
    };
}
