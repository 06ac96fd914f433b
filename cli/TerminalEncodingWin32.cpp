#include <windows.h>

#include "cli/Terminal.h"

// A console switched to UTF-8 gets UTF-8; otherwise the text goes out in the ANSI code page.
TerminalEncoding detectTerminalEncoding() {
    return GetConsoleOutputCP() == CP_UTF8 ? TerminalEncoding::Utf8 : TerminalEncoding::Gbk;
}
