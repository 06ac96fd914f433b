#pragma once

#include "LogSink.h"
#include "Terminal.h"

// Prints every message with its level prefix, one message a line, and remembers whether an
// error was among them.
class TerminalLog : public LogSink {
public:
    explicit TerminalLog(const Terminal& terminal) : terminal_(terminal) {}

    void log(LogLevel level, const char* message) override;
    bool errorLogged() const { return errorLogged_; }

private:
    const Terminal& terminal_;
    bool errorLogged_ = false;
};
