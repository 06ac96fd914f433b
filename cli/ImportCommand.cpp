#include "cli/ImportCommand.h"

#include "cli/CliTexts.h"
#include "cli/InputTextOutput.h"
#include "cli/OutputFile.h"
#include "cli/SameFile.h"
#include "cli/TerminalLog.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "gtfs/FeedImport.h"
#include "gtfs/GtfsTime.h"

namespace {

std::string option(const CommandLine& line, const char* name) {
    const auto found = line.options.find(name);
    return found == line.options.end() ? std::string() : found->second;
}

// A command-line text in GBK: UTF-8 as a UTF-8 locale passes it, anything else (a Windows
// program's ANSI arguments) as it stands.
std::string commandLineText(const std::string& text) {
    std::u16string wide;
    return utf8ToWide(text, wide) ? utf16ToGbk(wide) : text;
}

// True when writing the output would replace the feed or one of its files.
bool replacesInput(const std::string& output, const std::string& feed) {
    const std::size_t slash = output.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? output : output.substr(slash + 1);
    return sameFile(output, feed) || sameFile(output, feed + "/" + name);
}

}  // namespace

int runImport(const CommandLine& line, const Terminal& terminal) {
    ImportOptions options;
    if (line.has("--date")) {
        options.byDate = true;
        if (!parseGtfsDate(option(line, "--date"), options.day)) {
            terminal.err(cliTexts::kErrorPrefix + std::string(cliTexts::kBadDate) +
                         option(line, "--date") + "\n" + cliTexts::kSeeHelp + "\n");
            return kUsageError;
        }
    }
    const std::string& feed = line.arguments[0];
    const std::string outputPath = option(line, "-o");
    const std::string reportPath = option(line, "--report");
    for (const std::string& output : {outputPath, reportPath}) {
        if (!output.empty() && replacesInput(output, feed)) {
            terminal.err(cliTexts::kErrorPrefix +
                         formatMessage(cliTexts::kOutputIsInput, {output}) + "\n");
            return kUsageError;
        }
    }
    if (!reportPath.empty() && sameFile(outputPath, reportPath)) {
        terminal.err(cliTexts::kErrorPrefix +
                     formatMessage(cliTexts::kReportIsOutput, {reportPath}) + "\n");
        return kUsageError;
    }
    options.city = commandLineText(option(line, "--city"));
    options.author = commandLineText(option(line, "--author"));
    options.memo = commandLineText(option(line, "--memo"));

    RouteDatabase database;
    ImportReport report;
    const bool imported = importFeed(feed, options, database, report);

    std::string text;
    if (imported) {
        // The importer replaces what the format cannot hold, so a problem would be its own fault.
        text = inputTextFor(database, line.has("--utf8"), terminal);
    }

    terminal.errUtf8(report.text());
    // Both files are written before either is moved into place, so that a report that cannot be
    // written keeps an earlier text as it was.
    std::vector<OutputFile> outputs;
    const std::string json = reportPath.empty() ? std::string() : report.json();
    if (!reportPath.empty()) {
        outputs.push_back({reportPath, json});
    }
    if (imported) {
        outputs.push_back({outputPath, text});
    }
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    return writeOutputFiles(outputs, log) && imported ? 0 : 1;
}
