// GBK conversion with the Windows code page 936 functions.

#include <windows.h>

#include "core/TextConversion.h"

namespace {

constexpr UINT kGbk = 936;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

wchar_t* wide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}
const wchar_t* wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

std::u16string multiByteToWide(UINT codePage, DWORD flags, std::string_view text, bool& ok) {
    ok = true;
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        ok = false;
        return {};
    }
    std::u16string out(static_cast<std::size_t>(needed), u'\0');
    MultiByteToWideChar(codePage, flags, text.data(), length, wide(out.data()), needed);
    return out;
}

std::string wideToMultiByte(UINT codePage, std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(codePage, 0, wide(text.data()), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(codePage, 0, wide(text.data()), length, out.data(), needed, nullptr,
                            nullptr);
    }
    return out;
}

}  // namespace

bool AnsiToWide(const char* text, char16_t* buffer, std::size_t capacity) {
    const int needed = MultiByteToWideChar(kGbk, 0, text, -1, nullptr, 0);
    if (needed <= 0 || static_cast<std::size_t>(needed) > capacity) {
        return false;
    }
    return MultiByteToWideChar(kGbk, 0, text, -1, wide(buffer), needed) == needed;
}

bool WideToAnsi(const char16_t* text, char* buffer, std::size_t capacity) {
    const int needed = WideCharToMultiByte(kGbk, 0, wide(text), -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 0 || static_cast<std::size_t>(needed) > capacity) {
        return false;
    }
    return WideCharToMultiByte(kGbk, 0, wide(text), -1, buffer, needed, nullptr, nullptr) == needed;
}

std::u16string gbkToUtf16(std::string_view text) {
    bool ok = false;
    return multiByteToWide(kGbk, 0, text, ok);
}

std::string utf16ToGbk(std::u16string_view text) {
    return wideToMultiByte(kGbk, text);
}

bool wideToAnsiExact(std::u16string_view text, std::string& out, std::size_t& badIndex) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        BOOL usedDefault = FALSE;
        char bytes[4];
        const int written = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide(&text[i]), 1,
                                                bytes, sizeof bytes, nullptr, &usedDefault);
        if (written <= 0 || usedDefault) {
            badIndex = i;
            return false;
        }
    }
    out = utf16ToGbk(text);
    return true;
}

bool utf8ToWide(std::string_view text, std::u16string& out) {
    bool ok = false;
    out = multiByteToWide(CP_UTF8, MB_ERR_INVALID_CHARS, text, ok);
    return ok;
}

std::string wideToUtf8(std::u16string_view text) {
    return wideToMultiByte(CP_UTF8, text);
}
