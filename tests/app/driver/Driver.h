#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Drives velorin.exe from another process the way a user would: it starts the program,
// finds its windows, types into boxes, presses buttons and keys, reads texts back and
// takes pictures of the screen. Texts are GBK, as the program holds them; across processes
// the Unicode messages are used and converted, since Wine hands out the ANSI texts of some
// messages as UTF-16 bytes.
namespace driver {

// Paths given to the driver, as Windows paths.
struct Paths {
    std::string velorin;   // the program under test
    std::string data;      // input files of the tests
    std::string expected;  // the native converter's output for data\city.txt
    std::string work;      // scratch directory, emptied by the tests they use
    std::string shots;     // where the screenshots go
    std::string example;   // the example city's input file
    std::string cli;       // velorin-cli.exe
    std::string readOnly;  // a read-only directory holding the example's data files, or empty
};
Paths& paths();

// Converts "/a/b" (a path of the build machine) to Wine's "Z:\a\b"; other paths unchanged.
std::string windowsPath(const std::string& path);

std::wstring toWide(const std::string& gbk);
std::string toGbk(const std::wstring& wide);

// One run of velorin.exe.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool start();
    // The main window, once it is shown; null if it did not appear.
    HWND mainWindow() const { return mainWindow_; }
    DWORD processId() const { return process_.dwProcessId; }
    DWORD threadId() const { return process_.dwThreadId; }
    HANDLE processHandle() const { return process_.hProcess; }
    // Waits for the process to end; its exit code, or -999 when it did not end in time.
    long waitForExit(DWORD milliseconds = 20000);
    // A visible top-level window of this process other than `except` whose caption is
    // `caption` (GBK; empty: any); waits for it up to `milliseconds`.
    HWND waitForWindow(const std::string& caption, HWND except, DWORD milliseconds = 10000) const;
    // True once no window of this process with this handle exists any more.
    bool waitUntilGone(HWND window, DWORD milliseconds = 10000) const;
    // The window with the keyboard focus in the program's user-interface thread.
    HWND focus() const;

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

std::string textOf(HWND window);
void setText(HWND window, const std::string& gbk);
// Presses a button and waits until the program has handled the click.
bool click(HWND button, DWORD milliseconds = 60000);
// Presses a button without waiting (for buttons that open a modal window).
void clickLater(HWND button);
// Posts a key press (down and up) to a window, as the keyboard would send it.
void pressKey(HWND window, WPARAM virtualKey);
// Moves the keyboard focus to a control of a dialog, as the Tab key does.
void focusControl(HWND dialog, HWND control);
// Waits until the program's thread has handled the messages sent to it so far (posted
// messages may still be waiting).
void settle(HWND window);

// A picture of a part of the screen, 24-bit colour.
class Picture {
public:
    static Picture ofWindow(HWND window);
    COLORREF pixel(int x, int y) const;  // x, y relative to the window's top-left corner
    int width() const { return width_; }
    int height() const { return height_; }
    bool saveBmp(const std::string& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rows_;  // top-down, BGR, rows padded to 4 bytes
};

// True when every channel differs by at most `tolerance`.
bool closeColour(COLORREF actual, COLORREF expected, int tolerance = 2);
std::string describeColour(COLORREF colour);

// Files.
bool readFile(const std::string& path, std::string& content);
bool writeFile(const std::string& path, const std::string& content);
bool fileExists(const std::string& path);
// Creates the directory (one level) and removes the files in it.
void emptyDirectory(const std::string& path);
std::vector<std::string> filesIn(const std::string& directory);

// Settings in WIN.INI, as the program keeps them.
std::string readSetting(const char* key);
void writeSetting(const char* key, const std::string& value);
void clearSettings();

}  // namespace driver
