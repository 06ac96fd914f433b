#include "cli/CommandLine.h"

#include <algorithm>

#include "cli/CliTexts.h"

CommandLine CommandLine::parse(int argc, char** argv, const std::vector<std::string>& valued,
                               const std::vector<std::string>& flags) {
    CommandLine line;
    auto contains = [](const std::vector<std::string>& list, const std::string& item) {
        return std::find(list.begin(), list.end(), item) != list.end();
    };
    bool onlyArguments = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (onlyArguments || word.size() < 2 || word.compare(0, 1, "-") != 0) {
            (line.command.empty() ? line.command : line.arguments.emplace_back()) = word;
        } else if (word == "--") {
            onlyArguments = true;
        } else if (word == "--help" || word == "-h") {
            line.help = true;
        } else if (word == "--version") {
            line.version = true;
        } else if (contains(valued, word)) {
            if (i + 1 >= argc) {
                line.error = cliTexts::kMissingValue + word;
                return line;
            }
            line.options[word] = argv[++i];
        } else if (contains(flags, word)) {
            line.options[word] = "";
        } else {
            line.error = cliTexts::kUnknownOption + word;
            return line;
        }
    }
    return line;
}
