#include "cli/ImportCommand.h"

#include "cli/CliTexts.h"
#include "cli/OutputFile.h"
#include "cli/TerminalLog.h"
#include "core/CoreTexts.h"
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

    terminal.errUtf8(report.text());
    int status = imported ? 0 : 1;
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    const std::string reportPath = option(line, "--report");
    if (!reportPath.empty() && !writeOutputFile(reportPath, report.json(), log)) {
        status = 1;
    }
    if (imported && !writeOutputFile(option(line, "-o"), text, log)) {
        status = 1;
    }
    return status;
}
