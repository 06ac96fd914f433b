#include <io.h>
#include <windows.h>

#include <algorithm>

#include "cli/Terminal.h"
#include "core/TextConversion.h"

// Bytes for a pipe or file: UTF-8 when the console is switched to UTF-8, otherwise GBK.
TerminalEncoding detectTerminalEncoding() {
    return GetConsoleOutputCP() == CP_UTF8 ? TerminalEncoding::Utf8 : TerminalEncoding::Gbk;
}

// A console shows characters whatever its code page, so they go there as UTF-16; a pipe or
// a file gets bytes.
bool writeToConsole(std::FILE* stream, std::string_view gbkText) {
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        return false;
    }
    std::fflush(stream);
    const std::u16string wide = gbkToUtf16(gbkText);
    std::u16string_view text = wide;
    while (!text.empty()) {
        DWORD written = 0;
        const DWORD count = static_cast<DWORD>(std::min<std::size_t>(text.size(), 8192));
        if (!WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.data()), count, &written,
                           nullptr) ||
            written == 0) {
            return true;  // what the console refused cannot go anywhere else
        }
        text.remove_prefix(written);
    }
    return true;
}
