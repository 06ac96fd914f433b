#include "cli/ReportCommand.h"

#include "cli/CliTexts.h"
#include "cli/NetworkSource.h"
#include "cli/OutputFile.h"
#include "cli/PassengerNetwork.h"
#include "cli/TerminalLog.h"
#include "core/FileSystem.h"
#include "core/InputDecoding.h"
#include "core/MessageFormat.h"
#include "network/Lint.h"
#include "network/ReportPage.h"

namespace {

std::vector<LintNotice> noticesOf(const std::string& source, const RouteDatabase& database) {
    std::string bytes;
    if (!isInputTextPath(source) || !realFileSystem().readFile(source, bytes)) {
        return lintDatabase(source, database);
    }
    DecodedInput decoded;
    decodeInputText(bytes, InputEncoding::Detect, decoded);
    return lintInputText(source, decoded.gbk);
}

}  // namespace

bool writeReport(const std::string& source, const std::string& output, const Terminal& terminal) {
    PassengerNetwork network;
    if (!network.open(source, terminal)) {
        return false;
    }
    const std::string page =
        reportPage(network.database(), network.network(), noticesOf(source, network.database()));
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    if (!writeOutputFile(output, page, log)) {
        return false;
    }
    terminal.out(formatMessage(cliTexts::kReportWritten, {output}));
    return true;
}

int runReport(const CommandLine& line, const Terminal& terminal) {
    return writeReport(line.arguments[0], line.options.at("-o"), terminal) ? 0 : 1;
}
