#include "cli/PassengerNetwork.h"

#include <cstdio>

#include "cli/CliTexts.h"
#include "cli/NetworkSource.h"
#include "cli/OutputFile.h"
#include "cli/TerminalLog.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/NetworkJson.h"

bool PassengerNetwork::open(const std::string& source, const Terminal& terminal) {
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    ErrorsOnlyLog errors(log);
    if (!loadNetwork(source, database_, errors)) {
        return false;
    }
    std::vector<const Route*> routes;
    routes.reserve(database_.routes.size());
    for (const auto& route : database_.routes) {
        routes.push_back(route.get());
    }
    network_ = std::make_unique<TransitNetwork>(routes);
    return true;
}

int PassengerNetwork::station(const std::string& typed, const Terminal& terminal,
                              nlohmann::ordered_json& unknown) const {
    const int station = network_->findStation(typed);
    if (station >= 0) {
        return station;
    }
    const std::vector<std::string> candidates = network_->candidates(typed);
    std::string message = formatMessage(cliTexts::kUnknownStation, {typed});
    if (!candidates.empty()) {
        std::string names;
        for (const std::string& candidate : candidates) {
            names += (names.empty() ? "" : cliTexts::kCandidateSeparator) + candidate;
        }
        message += formatMessage(cliTexts::kStationCandidates, {names});
    }
    terminal.err(message);
    unknown.push_back(unknownStationJson(typed, candidates));
    return -1;
}

std::string typedStationName(const std::string& argument, const Terminal& terminal) {
#ifdef _WIN32
    (void)terminal;
    return argument;
#else
    std::string gbk;
    const bool utf8 = terminal.encoding() == TerminalEncoding::Utf8;
    return utf8 && utf8ToGbk(argument, gbk) ? gbk : argument;
#endif
}

bool writeJsonAnswer(const std::string& path, const nlohmann::ordered_json& value,
                     const Terminal& terminal) {
    const std::string text = dumpJson(value) + "\n";
    if (path == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
        return true;
    }
    TerminalLog log(terminal, TerminalLog::Stream::Error);
    return writeOutputFile(path, text, log);
}
