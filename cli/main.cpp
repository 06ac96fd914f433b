// velorin-cli: the conversion of the desktop tool, for terminals and scripts.

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "cli/CheckCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/ConvertCommand.h"
#include "cli/DiffCommand.h"
#include "cli/DroppedSource.h"
#include "cli/DumpCommand.h"
#include "cli/ImportCommand.h"
#include "cli/LargePageHeap.h"
#include "cli/LintCommand.h"
#include "cli/QueryCommand.h"
#include "cli/RenameCommand.h"
#include "cli/ReportCommand.h"
#include "cli/StationCommand.h"
#include "cli/Terminal.h"
#include "core/FileSystem.h"
#include "res/Version.h"

namespace {

bool validEncoding(const std::string& name) {
    return name == "gbk" || name == "utf-8";
}

const std::string kCommands[] = {"convert", "dump",    "check", "import", "diff",
                                 "rename",  "station", "query", "report", "lint"};

// The commands each option belongs to; --output-encoding belongs to every one.
const struct {
    const char* option;
    std::vector<std::string> commands;
} kOptionUses[] = {
    {"--input-encoding", {"convert"}},
    {"-o", {"dump", "import", "report"}},
    {"--utf8", {"dump", "import"}},
    {"--date", {"import"}},
    {"--city", {"import"}},
    {"--author", {"import"}},
    {"--memo", {"import"}},
    {"--report", {"import"}},
    {"--json", {"diff", "station", "query", "lint"}},
    {"--dry-run", {"rename"}},
    {"--accept", {"lint"}},
    {"--write-accept", {"lint"}},
};

bool isCommand(const std::string& name) {
    return std::find(std::begin(kCommands), std::end(kCommands), name) != std::end(kCommands);
}

int usageError(const Terminal& terminal, const std::string& problem) {
    terminal.err(cliTexts::kErrorPrefix + problem + "\n" + cliTexts::kSeeHelp + "\n");
    return kUsageError;
}

int runCommand(int argc, char** argv, Terminal& terminal) {
    const CommandLine line = CommandLine::parse(
        argc, argv,
        {"--input-encoding", "--output-encoding", "-o", "--date", "--city", "--author", "--memo",
         "--report", "--json", "--accept", "--write-accept"},
        {"--utf8", "--dry-run"});

    const auto output = line.options.find("--output-encoding");
    if (output != line.options.end()) {
        if (!validEncoding(output->second)) {
            return usageError(terminal, cliTexts::kBadEncoding + output->second);
        }
        terminal.setEncoding(output->second == "gbk" ? TerminalEncoding::Gbk
                                                     : TerminalEncoding::Utf8);
    }
    if (!line.error.empty()) {
        return usageError(terminal, line.error);
    }
    if (line.version) {
        terminal.out(std::string(cliTexts::kVersionPrefix) + VELORIN_VERSION + "\n");
        return 0;
    }
    if (line.help || line.command.empty()) {
        terminal.out(cliTexts::kUsage);
        return line.help ? 0 : kUsageError;
    }

    // Options are checked first, so that a dropped path given options is a mistake too.
    for (const auto& use : kOptionUses) {
        if (line.has(use.option) && std::find(use.commands.begin(), use.commands.end(),
                                              line.command) == use.commands.end()) {
            return usageError(terminal, cliTexts::kUnknownOption + std::string(use.option));
        }
    }
    // A file or folder dropped on the program in Explorer arrives as the only argument; a
    // command's name stays a command even where a file of that name lies.
    if (line.arguments.empty() && !isCommand(line.command) &&
        realFileSystem().exists(line.command)) {
        return runDroppedSource(line.command, terminal);
    }
    if (line.command == "lint") {
        if (line.arguments.size() != 1) {
            return usageError(terminal, cliTexts::kWrongArguments + line.command);
        }
        placeHeapOnLargePages();
        return runLint(line, terminal);
    }
    if (line.command == "convert") {
        const auto input = line.options.find("--input-encoding");
        if (input != line.options.end() && !validEncoding(input->second)) {
            return usageError(terminal, cliTexts::kBadEncoding + input->second);
        }
        if (line.arguments.size() != 2) {
            return usageError(terminal, cliTexts::kWrongArguments + line.command);
        }
        placeHeapOnLargePages();
        return runConvert(line, terminal);
    }
    if (line.command == "dump" || line.command == "check") {
        if (line.arguments.size() != 1) {
            return usageError(terminal, cliTexts::kWrongArguments + line.command);
        }
        return line.command == "dump" ? runDump(line, terminal) : runCheck(line, terminal);
    }
    if (line.command == "import") {
        if (line.arguments.size() != 1) {
            return usageError(terminal, cliTexts::kWrongArguments + line.command);
        }
        if (!line.has("-o")) {
            return usageError(terminal, cliTexts::kImportNeedsOutput);
        }
        return runImport(line, terminal);
    }
    if (line.command == "report") {
        if (line.arguments.size() != 1 || !line.has("-o")) {
            return usageError(terminal, cliTexts::kWrongArguments + line.command);
        }
        return runReport(line, terminal);
    }
    if (line.command == "station" || line.command == "query") {
        if (line.arguments.size() != (line.command == "station" ? 2u : 3u)) {
            return usageError(terminal, cliTexts::kWrongArguments + line.command);
        }
        placeHeapOnLargePages();
        return line.command == "station" ? runStation(line, terminal) : runQuery(line, terminal);
    }
    if (line.command == "diff" || line.command == "rename") {
        if (line.arguments.size() != (line.command == "diff" ? 2u : 3u)) {
            return usageError(terminal, cliTexts::kWrongArguments + line.command);
        }
        return line.command == "diff" ? runDiff(line, terminal) : runRename(line, terminal);
    }
    return usageError(terminal, cliTexts::kUnknownCommand + line.command);
}

}  // namespace

// An input can ask for more memory than there is; that ends the command with an error line,
// never an abort.
int main(int argc, char** argv) {
    Terminal terminal(detectTerminalEncoding());
    try {
        return runCommand(argc, argv, terminal);
    } catch (const std::bad_alloc&) {
        try {
            terminal.err(std::string(cliTexts::kErrorPrefix) + cliTexts::kOutOfMemory + "\n");
        } catch (const std::bad_alloc&) {
            std::fputs("velorin-cli: out of memory\n", stderr);
        }
        return 1;
    }
}
