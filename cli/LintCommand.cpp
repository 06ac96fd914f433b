#include "cli/LintCommand.h"

#include "cli/NetworkSource.h"
#include "cli/OutputFile.h"
#include "cli/TerminalLog.h"
#include "core/FileSystem.h"
#include "core/InputDecoding.h"
#include "core/MessageFormat.h"
#include "core/RouteDatabase.h"
#include "network/Lint.h"
#include "network/LintAcceptedList.h"
#include "network/LintReport.h"
#include "network/NetworkTexts.h"

namespace {

std::string option(const CommandLine& line, const char* name) {
    const auto found = line.options.find(name);
    return found == line.options.end() ? std::string() : found->second;
}

// Reads an input text as convert does, or loads a data folder; false after logging why not.
bool lintSource(const std::string& path, std::vector<LintNotice>& notices, LogSink& log) {
    std::string bytes;
    if (realFileSystem().exists(path) && realFileSystem().readFile(path, bytes)) {
        DecodedInput decoded;
        if (!decodeInputText(bytes, InputEncoding::Detect, decoded)) {
            log.log(LogLevel::Error, (path + decoded.problem).c_str());
            return false;
        }
        notices = lintInputText(path, decoded.gbk);
        return true;
    }
    RouteDatabase database;
    ErrorsOnlyLog errors(log);
    if (!loadNetwork(path, database, errors)) {
        return false;
    }
    notices = lintDatabase(path, database);
    return true;
}

// Reads the accepted list at path; false after logging when it cannot be read.
bool readAcceptedFile(const std::string& path, std::string& gbkText, LogSink& log) {
    std::string bytes;
    DecodedInput decoded;
    if (!realFileSystem().readFile(path, bytes)) {
        log.log(LogLevel::Error,
                formatMessage(networkTexts::kAcceptedListUnreadable, {path}).c_str());
        return false;
    }
    if (!decodeInputText(bytes, InputEncoding::Detect, decoded)) {
        log.log(LogLevel::Error, (path + decoded.problem).c_str());
        return false;
    }
    gbkText = std::move(decoded.gbk);
    return true;
}

}  // namespace

int runLint(const CommandLine& line, const Terminal& terminal) {
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    std::vector<LintNotice> notices;
    if (!lintSource(line.arguments[0], notices, log)) {
        return 1;
    }
    const std::string acceptPath = option(line, "--accept");
    std::string acceptedText;
    if (!acceptPath.empty() && !readAcceptedFile(acceptPath, acceptedText, log)) {
        return 1;
    }
    const std::string writeAccept = option(line, "--write-accept");
    if (!writeAccept.empty() && !writeOutputFile(writeAccept, writeAcceptedList(notices), log)) {
        return 1;
    }
    const std::size_t accepted =
        acceptPath.empty() ? 0 : applyAcceptedList(acceptPath, acceptedText, notices);
    std::string text;
    for (const LintNotice& notice : notices) {
        text += lintNoticeLine(notice);
    }
    terminal.out(text + lintSummary(notices, accepted));
    const std::string jsonPath = option(line, "--json");
    if (!jsonPath.empty() && !writeOutputFile(jsonPath, lintJson(notices), log)) {
        return 1;
    }
    return lintFoundProblems(notices) ? 1 : 0;
}
