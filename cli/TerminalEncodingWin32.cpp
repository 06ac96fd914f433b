#include <io.h>
#include <windows.h>

#include <algorithm>

#include "cli/Terminal.h"

// Bytes for a pipe or file: UTF-8 when the console is switched to UTF-8, otherwise GBK.
TerminalEncoding detectTerminalEncoding() {
    return GetConsoleOutputCP() == CP_UTF8 ? TerminalEncoding::Utf8 : TerminalEncoding::Gbk;
}

namespace {

HANDLE consoleOf(std::FILE* stream) {
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}  // namespace

// A pipe or a file gets bytes; a console gets characters, which any code page shows.
bool isConsole(std::FILE* stream) {
    return consoleOf(stream) != nullptr;
}

void writeToConsole(std::FILE* stream, std::u16string_view text) {
    HANDLE handle = consoleOf(stream);
    std::fflush(stream);
    while (handle != nullptr && !text.empty()) {
        DWORD written = 0;
        const DWORD count = static_cast<DWORD>(std::min<std::size_t>(text.size(), 8192));
        if (!WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.data()), count, &written,
                           nullptr) ||
            written == 0) {
            return;  // what the console refused cannot go anywhere else
        }
        text.remove_prefix(written);
    }
}
