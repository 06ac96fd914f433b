#pragma once

#include <string>

#include "core/LogSink.h"
#include "core/RouteDatabase.h"

// What the commands that show or compare a network read: a folder of data files, loaded as the
// phone reads them, or an input text, converted in memory and loaded back from there. Either
// way the routes are what the phone will show; nothing is written.

// True when path names a file (an input text), false for a folder or nothing.
bool isInputTextPath(const std::string& path);

// Fills database from path; every message of reading, converting and loading goes to log.
// False when the source cannot be read or converted, or when any of it was an error.
bool loadNetwork(const std::string& path, RouteDatabase& database, LogSink& log);

// Passes on only the errors, for commands whose output is not the conversion's log.
class ErrorsOnlyLog : public LogSink {
public:
    explicit ErrorsOnlyLog(LogSink& next) : next_(next) {}
    void log(LogLevel level, const char* message) override {
        if (level == LogLevel::Error) {
            next_.log(level, message);
        }
    }

private:
    LogSink& next_;
};
