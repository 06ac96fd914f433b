#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/Terminal.h"
#include "core/RouteDatabase.h"
#include "network/TransitNetwork.h"

// What station, query and report share: the network of a SOURCE (a data folder or an input
// text) as the phone reads it, its station names as typed on the command line, and where a
// JSON answer goes.
class PassengerNetwork {
public:
    // Loads SOURCE; the errors of reading it go to standard error. False when it cannot be read.
    bool open(const std::string& source, const Terminal& terminal);

    const RouteDatabase& database() const { return database_; }
    const TransitNetwork& network() const { return *network_; }

    // The station a typed name means, or -1 after printing that it is unknown and what it may
    // have meant; that answer is appended to the JSON array unknown as well.
    int station(const std::string& typed, const Terminal& terminal,
                nlohmann::ordered_json& unknown) const;

private:
    RouteDatabase database_;
    std::unique_ptr<TransitNetwork> network_;
};

// A station name as the command line gave it, in GBK: on POSIX it is typed in the terminal's
// encoding, on Windows the command line already holds the ANSI code page.
std::string typedStationName(const std::string& argument, const Terminal& terminal);

// Writes value to the file of --json, or to standard output for "-". False after an error.
bool writeJsonAnswer(const std::string& path, const nlohmann::ordered_json& value,
                     const Terminal& terminal);
