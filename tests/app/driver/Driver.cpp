#include "tests/app/driver/Driver.h"

#include <cstdio>

namespace driver {

Paths& paths() {
    static Paths values;
    return values;
}

std::string windowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string converted = "Z:" + path;
    for (char& c : converted) {
        if (c == '/') {
            c = '\\';
        }
    }
    return converted;
}

std::wstring toWide(const std::string& gbk) {
    if (gbk.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), length);
    return wide;
}

std::string toGbk(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), length,
                        nullptr, nullptr);
    return gbk;
}

// --------------------------------------------------------------------------------------
// The program

Program::Program() = default;

Program::~Program() {
    if (process_.hProcess != nullptr) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

bool Program::start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + paths().velorin + "\"";
    if (!CreateProcessA(paths().velorin.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process_)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", paths().velorin.c_str(),
                     GetLastError());
        return false;
    }
    WaitForInputIdle(process_.hProcess, 10000);
    mainWindow_ = waitForWindow("车友达数据制作工具1.6", nullptr);
    return mainWindow_ != nullptr;
}

long Program::waitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return -999;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(static_cast<int>(code));
}

namespace {

struct WindowSearch {
    DWORD processId;
    HWND except;
    std::wstring caption;
    bool anyCaption;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || window == search->except || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (!search->anyCaption) {
        wchar_t caption[256] = L"";
        GetWindowTextW(window, caption, 256);
        if (search->caption != caption) {
            return TRUE;
        }
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND Program::waitForWindow(const std::string& caption, HWND except, DWORD milliseconds) const {
    WindowSearch search{process_.dwProcessId, except, toWide(caption), caption.empty(), nullptr};
    const DWORD start = GetTickCount();
    do {
        search.found = nullptr;
        EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            // Let the window finish painting before anyone looks at it.
            settle(search.found);
            Sleep(200);
            return search.found;
        }
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

bool Program::waitUntilGone(HWND window, DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= milliseconds) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

HWND Program::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(process_.dwThreadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

// --------------------------------------------------------------------------------------
// Controls

std::string textOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 10000, &copied);
    text.resize(copied);
    return toGbk(text);
}

void setText(HWND window, const std::string& gbk) {
    const std::wstring wide = toWide(gbk);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                        SMTO_ABORTIFHUNG, 10000, &ignored);
}

bool click(HWND button, DWORD milliseconds) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, milliseconds, &ignored) != 0;
}

void clickLater(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void pressKey(HWND window, WPARAM virtualKey) {
    const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
}

void focusControl(HWND dialog, HWND control) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE, SMTO_NORMAL,
                        10000, &ignored);
}

void settle(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

// --------------------------------------------------------------------------------------
// Pictures

Picture Picture::ofWindow(HWND window) {
    Picture picture;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    picture.width_ = bounds.right - bounds.left;
    picture.height_ = bounds.bottom - bounds.top;
    if (picture.width_ <= 0 || picture.height_ <= 0) {
        picture.width_ = picture.height_ = 0;
        return picture;
    }
    // Wine's PrintWindow paints only the background: copy the screen instead.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width_;
    info.bmiHeader.biHeight = -picture.height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width_, picture.height_, screen, bounds.left, bounds.top, SRCCOPY);
    GdiFlush();
    const std::size_t stride = (static_cast<std::size_t>(picture.width_) * 3 + 3) & ~3u;
    const auto* begin = static_cast<const std::uint8_t*>(bits);
    picture.rows_.assign(begin, begin + stride * static_cast<std::size_t>(picture.height_));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

COLORREF Picture::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) & ~3u;
    const std::uint8_t* p = rows_.data() + stride * static_cast<std::size_t>(y) + x * 3;
    return RGB(p[2], p[1], p[0]);
}

bool Picture::saveBmp(const std::string& path) const {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width_;
    header.biHeight = -height_;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(rows_.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + rows_.size());
    std::string content(reinterpret_cast<const char*>(&file), sizeof file);
    content.append(reinterpret_cast<const char*>(&header), sizeof header);
    content.append(reinterpret_cast<const char*>(rows_.data()), rows_.size());
    return writeFile(path, content);
}

bool closeColour(COLORREF actual, COLORREF expected, int tolerance) {
    if (actual == CLR_INVALID) {
        return false;
    }
    auto within = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    return within(GetRValue(actual), GetRValue(expected)) &&
           within(GetGValue(actual), GetGValue(expected)) &&
           within(GetBValue(actual), GetBValue(expected));
}

std::string describeColour(COLORREF colour) {
    if (colour == CLR_INVALID) {
        return "(outside the picture)";
    }
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d, %d)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

// --------------------------------------------------------------------------------------
// Files and settings

bool readFile(const std::string& path, std::string& content) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    content.clear();
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, count);
    }
    std::fclose(file);
    return true;
}

bool writeFile(const std::string& path, const std::string& content) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return std::fclose(file) == 0 && written;
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> filesIn(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.push_back(entry.cFileName);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

void emptyDirectory(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
    for (const std::string& name : filesIn(path)) {
        DeleteFileA((path + "\\" + name).c_str());
    }
}

std::string readSetting(const char* key) {
    char value[1024] = "";
    GetPrivateProfileStringA("velorin", key, "", value, sizeof value, nullptr);
    return value;
}

void writeSetting(const char* key, const std::string& value) {
    WritePrivateProfileStringA("velorin", key, value.c_str(), nullptr);
}

void clearSettings() {
    WritePrivateProfileStringA("velorin", nullptr, nullptr, nullptr);
}

}  // namespace driver
