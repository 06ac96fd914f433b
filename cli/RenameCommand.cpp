#include "cli/RenameCommand.h"

#include "cli/CliTexts.h"
#include "cli/NetworkSource.h"
#include "cli/OutputFile.h"
#include "cli/TerminalLog.h"
#include "core/FileSystem.h"
#include "core/InputDecoding.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/NetworkTexts.h"
#include "network/StationRename.h"

namespace {

constexpr int kBadName = 2;

// A command-line text in GBK: UTF-8 as a UTF-8 locale passes it, anything else (a Windows
// program's ANSI arguments) as it stands. False when UTF-8 holds a character GBK lacks.
bool commandLineName(const std::string& text, std::string& gbk) {
    std::u16string wide;
    if (!utf8ToWide(text, wide)) {
        gbk = text;
        return true;
    }
    std::size_t bad = 0;
    return wideToAnsiExact(wide, gbk, bad);
}

std::string fieldList(const RenamedLine& line) {
    std::string text;
    for (const char* field : line.fields) {
        text += (text.empty() ? "" : cliTexts::kRenameFieldSeparator) + std::string(field);
    }
    return text;
}

}  // namespace

int runRename(const CommandLine& line, const Terminal& terminal) {
    const std::string& source = line.arguments[0];
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    std::string oldName;
    std::string newName;
    const bool inGbk =
        commandLineName(line.arguments[1], oldName) && commandLineName(line.arguments[2], newName);
    const std::string problem =
        inGbk ? stationNameProblem(newName) : std::string(networkTexts::kStationNameNotGbk);
    if (!problem.empty()) {
        log.log(LogLevel::Error,
                formatMessage(cliTexts::kRenameBadName, {line.arguments[2], problem}).c_str());
        return kBadName;
    }
    if (oldName == newName) {
        log.log(LogLevel::Error, cliTexts::kRenameSameName);
        return kBadName;
    }

    // The source is loaded first so that a text the converter refuses is not touched.
    ErrorsOnlyLog errors(log);
    RouteDatabase database;
    if (!loadNetwork(source, database, errors)) {
        return 1;
    }
    const bool isText = isInputTextPath(source);
    StationRename rename;
    std::string renamedText;
    if (isText) {
        std::string bytes;
        DecodedInput decoded;
        if (!realFileSystem().readFile(source, bytes) ||
            !decodeInputText(bytes, InputEncoding::Detect, decoded)) {
            return 1;
        }
        if (!decoded.encodingRead.empty()) {
            log.log(
                LogLevel::Error,
                formatMessage(cliTexts::kRenameNotGbkText, {source, decoded.encodingRead}).c_str());
            return 1;
        }
        rename = renameStationInText(bytes, oldName, newName, renamedText);
    } else {
        rename = renameStationInRoutes(database, oldName, newName);
    }
    if (rename.lines.empty()) {
        log.log(LogLevel::Error,
                formatMessage(cliTexts::kRenameNoStation, {source, oldName}).c_str());
        return 1;
    }

    for (const RenamedLine& renamed : rename.lines) {
        terminal.out(
            isText ? formatMessage(cliTexts::kRenamedTextLine,
                                   {source, std::to_string(renamed.lineNumber), renamed.name,
                                    fieldList(renamed)})
                   : formatMessage(cliTexts::kRenamedRoute, {renamed.name, fieldList(renamed)}));
    }
    if (rename.merged) {
        terminal.out(formatMessage(cliTexts::kRenameMerges, {newName}));
    }
    const std::string count = std::to_string(rename.lines.size());
    if (line.has("--dry-run")) {
        terminal.out(formatMessage(cliTexts::kRenameDryRun, {oldName, newName, count}));
        return 0;
    }
    database.logSink = &errors;
    const bool written =
        isText ? writeOutputFile(source, renamedText, log) : database.generate(source);
    if (!written) {
        return 1;
    }
    terminal.out(formatMessage(cliTexts::kRenameDone, {oldName, newName, count}));
    return 0;
}
