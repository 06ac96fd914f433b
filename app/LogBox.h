#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "core/LogSink.h"

// The main window's log box: every message becomes an entry at the end of the box's text (the
// oldest entries go when it is full, see LogBuffer.h). Under Wine every change of the box's
// text costs milliseconds of layout, so entries are collected here and put into the box in
// place, together, when it is painted: for the first message after `clear`, then at most every
// 50 ms while messages come (less often when painting is slow), and by `flush`. The view stays
// at the top.
class LogBox {
public:
    void attach(HWND box);
    void clear();
    void append(LogLevel level, const char* message);
    // Puts what was collected into the box and paints it; the end of every command calls it.
    void flush();

private:
    void showCollected();
    void paint();

    HWND box_ = nullptr;
    std::string text_;   // the log's text; the box may not hold all of it yet
    std::string shown_;  // what the box holds
    // The first `kept_` bytes of text_ are the last `kept_` bytes of shown_; the rest of text_
    // is still to be added to the box.
    std::size_t kept_ = 0;
    bool paintedSinceClear_ = false;
    DWORD lastPaint_ = 0;      // when the last paint ended
    DWORD lastPaintCost_ = 0;  // how long it took
};
