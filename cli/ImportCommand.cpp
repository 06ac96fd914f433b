#include "cli/ImportCommand.h"

#include <fstream>

#include "cli/CliTexts.h"
#include "cli/TerminalLog.h"
#include "core/CoreTexts.h"
#include "core/DataFiles.h"
#include "core/FileSystem.h"
#include "core/InputTextWriter.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "gtfs/FeedImport.h"
#include "gtfs/GtfsTexts.h"
#include "gtfs/GtfsTime.h"

namespace {

constexpr int kUsageError = 2;

std::string option(const CommandLine& line, const char* name) {
    const auto found = line.options.find(name);
    return found == line.options.end() ? std::string() : found->second;
}

// A command-line text in GBK: UTF-8 as a UTF-8 locale passes it, anything else (a Windows
// program's ANSI arguments) as it stands.
std::string commandLineText(const std::string& text) {
    std::u16string wide;
    return utf8ToWide(text, wide) ? wideToAnsi(wide) : text;
}

std::string utf8ToGbk(const std::string& utf8) {
    std::u16string wide;
    return utf8ToWide(utf8, wide) ? wideToAnsi(wide) : utf8;
}

// Writes the file beside its final place, flushed to the disk, and moves it there in one step,
// so that a failed or interrupted write never leaves a partial file under the final name.
bool writeOutput(const std::string& path, const std::string& bytes, LogSink& log) {
    FileSystem& fileSystem = realFileSystem();
    const std::string staged = path + dataFiles::kStagedSuffix;
    if (fileSystem.writeFile(staged, bytes) && fileSystem.moveFile(staged, path)) {
        return true;
    }
    log.log(LogLevel::Error,
            formatMessage(coreTexts::kCannotWriteFile, {path, fileSystem.lastError()}).c_str());
    fileSystem.removeFile(staged);
    return false;
}

bool writeReport(const std::string& path, const std::string& json) {
    std::ofstream file(path, std::ios::binary);
    return static_cast<bool>(file << json) && static_cast<bool>(file.flush());
}

}  // namespace

int runImport(const CommandLine& line, const Terminal& terminal) {
    ImportOptions options;
    if (line.has("--date")) {
        options.byDate = true;
        if (!parseGtfsDate(option(line, "--date"), options.day)) {
            terminal.err(cliTexts::kErrorPrefix + std::string(gtfsTexts::kBadDateOption) +
                         option(line, "--date") + "\n" + cliTexts::kSeeHelp + "\n");
            return kUsageError;
        }
    }
    options.city = commandLineText(option(line, "--city"));
    options.author = commandLineText(option(line, "--author"));
    options.memo = commandLineText(option(line, "--memo"));

    RouteDatabase database;
    ImportReport report;
    const bool imported = importFeed(line.arguments[0], options, database, report);

    std::string text;
    if (imported) {
        std::vector<InputTextProblem> problems;
        text = writeInputText(database, problems);
        // The importer replaces what the format cannot hold, so these would be its own faults.
        for (const InputTextProblem& problem : problems) {
            terminal.err(formatMessage(cliTexts::kDumpProblem, {std::to_string(problem.line),
                                                                problem.route, problem.what}));
        }
        if (line.has("--utf8")) {
            text = wideToUtf8(ansiToWide(text));
        }
    }

    terminal.err(utf8ToGbk(report.text()));
    int status = imported ? 0 : 1;
    const std::string reportPath = option(line, "--report");
    if (!reportPath.empty() && !writeReport(reportPath, report.json())) {
        terminal.err(cliTexts::kErrorPrefix + std::string(cliTexts::kCannotWrite) + reportPath +
                     "\n");
        status = 1;
    }
    if (imported) {
        TerminalLog log(terminal, TerminalLog::Stream::Error);
        if (!writeOutput(option(line, "-o"), text, log)) {
            status = 1;
        }
    }
    return status;
}
