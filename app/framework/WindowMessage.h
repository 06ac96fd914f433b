#pragma once

#include <windows.h>

// The message a window object is handling. Each dispatch makes its message the current one
// and puts the previous one back afterwards, so nested dispatch (a message sent while another
// is handled) sees its own message.
struct WindowMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Makes a message current for the lifetime of the scope.
class CurrentMessageScope {
public:
    CurrentMessageScope(const WindowMessage*& current, const WindowMessage& message)
        : current_(current), previous_(current) {
        current_ = &message;
    }
    ~CurrentMessageScope() { current_ = previous_; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    const WindowMessage*& current_;
    const WindowMessage* previous_;
};

// The seven messages by which a control asks its dialog for its colours.
constexpr bool isControlColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Offset added to a notification's message number when it is sent back to the control it is
// about, so that the control can tell it from its own messages.
constexpr UINT kReflectedMessageBase = 0x2000;
