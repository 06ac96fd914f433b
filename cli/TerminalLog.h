#pragma once

#include "cli/Terminal.h"
#include "core/LogSink.h"

// Prints every message with its level prefix, one message a line, and remembers whether an
// error was among them. Commands whose standard output carries data log to standard error.
class TerminalLog : public LogSink {
public:
    enum class Stream { Output, Error };

    explicit TerminalLog(const Terminal& terminal, Stream stream = Stream::Output)
        : terminal_(terminal), stream_(stream) {}

    void log(LogLevel level, const char* message) override;
    bool errorLogged() const { return errorLogged_; }

private:
    const Terminal& terminal_;
    Stream stream_;
    bool errorLogged_ = false;
};
