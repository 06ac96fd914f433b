#pragma once

#include <windows.h>

#include <string>

#include "core/LogSink.h"

// The main window's log box: every message becomes an entry at the end of the box's text (the
// oldest entries go when it is full, see LogBuffer.h). Entries are added in place, not by
// setting the whole text again, so that a message costs what it holds, not what the box
// holds. The view stays at the top. The box is painted at once for the first message after
// `clear`, then at most every 50 ms while messages come, and by `flush`.
class LogBox {
public:
    void attach(HWND box);
    void clear();
    void append(LogLevel level, const char* message);
    // Paints what was added since the last paint; the end of every command calls it.
    void flush();

private:
    void paint();

    HWND box_ = nullptr;
    std::string text_;  // what the box holds
    bool paintedSinceClear_ = false;
    bool paintPending_ = false;
    DWORD lastPaint_ = 0;
};
