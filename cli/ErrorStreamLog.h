#pragma once

#include "LogSink.h"
#include "Terminal.h"

// Prints every message with its level prefix to standard error, for commands whose standard
// output carries data, and remembers whether an error was among them.
class ErrorStreamLog : public LogSink {
public:
    explicit ErrorStreamLog(const Terminal& terminal) : terminal_(terminal) {}

    void log(LogLevel level, const char* message) override;
    bool errorLogged() const { return errorLogged_; }

private:
    const Terminal& terminal_;
    bool errorLogged_ = false;
};
