// Watches one push button of velorin.exe for bench/gui-speed.sh, which presses it with real
// mouse input. A click's command runs inside the button's mouse-up message, so the button
// answers BM_GETSTATE as pressed until the mouse goes up and as released only once the
// command has returned: that answer marks the end of the command.
//
// usage: button-watch.exe CAPTION BUTTON_ID [OPENS_CAPTION]
//
// Finds the visible window CAPTION (of any process) and its button BUTTON_ID and prints
// "at X Y", the button's centre on the screen. Then for each line "press" on standard input
// (sent after the mouse button went down over the button): waits until the button shows
// pressed, prints "pressed", waits until the command has run and the button is enabled
// again, and prints "done". With
// OPENS_CAPTION the command opens that window, and done means that window is shown and
// answers messages. "timeout" instead of "done" when it takes longer than the limit.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Longer than any figure worth waiting for; gui-speed.sh gives its own limit.
DWORD limitMilliseconds = 3600 * 1000;

HWND waitForWindow(const wchar_t* caption, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowW(L"#32770", caption);
        if (window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

// The button's state as its own thread answers; false when that thread did not answer.
bool buttonState(HWND button, LRESULT& state) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(button, BM_GETSTATE, 0, 0, SMTO_NORMAL, limitMilliseconds, &answer) ==
        0) {
        return false;
    }
    state = static_cast<LRESULT>(answer);
    return true;
}

bool waitForPressed(HWND button) {
    const DWORD start = GetTickCount();
    LRESULT state = 0;
    while (GetTickCount() - start < 10000) {
        if (buttonState(button, state) && (state & BST_PUSHED) != 0) {
            return true;
        }
        Sleep(1);
    }
    return false;
}

bool waitForCommand(HWND button, const wchar_t* opensCaption) {
    LRESULT state = BST_PUSHED;
    while ((state & BST_PUSHED) != 0) {
        if (!buttonState(button, state)) {
            return false;
        }
        Sleep(1);
    }
    if (opensCaption != nullptr) {
        HWND opened = waitForWindow(opensCaption, limitMilliseconds);
        DWORD_PTR ignored = 0;
        return opened != nullptr && SendMessageTimeoutW(opened, WM_NULL, 0, 0, SMTO_NORMAL,
                                                        limitMilliseconds, &ignored) != 0;
    }
    const DWORD start = GetTickCount();
    while (!IsWindowEnabled(button)) {
        if (GetTickCount() - start > limitMilliseconds) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: button-watch.exe CAPTION BUTTON_ID [OPENS_CAPTION]\n");
        return 2;
    }
    if (const char* limit = std::getenv("BUTTON_WATCH_LIMIT_MS")) {
        limitMilliseconds = static_cast<DWORD>(std::strtoul(limit, nullptr, 10));
    }
    // Lines end in a bare line feed, as the shell reads them.
    _setmode(_fileno(stdout), _O_BINARY);
    const wchar_t* opensCaption = argc > 3 ? argv[3] : nullptr;
    HWND window = waitForWindow(argv[1], 30000);
    HWND button = window == nullptr ? nullptr : GetDlgItem(window, _wtoi(argv[2]));
    if (button == nullptr) {
        std::printf("missing\n");
        return 1;
    }
    RECT rect;
    GetWindowRect(button, &rect);
    std::printf("at %ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    std::fflush(stdout);

    char line[64];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        if (std::string(line).rfind("press", 0) != 0) {
            continue;
        }
        if (!waitForPressed(button)) {
            std::printf("unpressed\n");
            std::fflush(stdout);
            continue;
        }
        std::printf("pressed\n");
        std::fflush(stdout);
        if (waitForCommand(button, opensCaption)) {
            std::printf("done\n");
        } else {
            std::printf("timeout\n");
        }
        std::fflush(stdout);
    }
    return 0;
}
