#pragma once

#include <map>
#include <string>
#include <vector>

// The exit status of a wrong command line.
constexpr int kUsageError = 2;

// A command line split into the command, its positional arguments and its "--name value"
// options. Which options take a value is given by the caller.
struct CommandLine {
    std::string command;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> options;
    bool help = false;
    bool version = false;
    std::string error;  // why the command line is wrong, empty when it is not

    static CommandLine parse(int argc, char** argv, const std::vector<std::string>& valued,
                             const std::vector<std::string>& flags);

    bool has(const std::string& option) const { return options.count(option) != 0; }
};
