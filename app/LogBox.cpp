#include "app/LogBox.h"

#include "app/LogBuffer.h"
#include "app/look/Repaint.h"

namespace {

// Messages that come faster than this share one paint.
constexpr DWORD kPaintIntervalMilliseconds = 50;

// Positions in an edit box count characters, not bytes: a GBK character of two bytes is one.
WPARAM characterCount(const std::string& text, std::size_t bytes) {
    if (bytes == 0) {
        return 0;
    }
    return static_cast<WPARAM>(
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(bytes), nullptr, 0));
}

}  // namespace

void LogBox::attach(HWND box) {
    box_ = box;
    // Text added in place obeys the box's limit, 30,000 characters unless raised.
    SendMessageA(box_, EM_SETLIMITTEXT, 0, 0);
    text_.clear();
    SetWindowTextA(box_, "");
}

void LogBox::clear() {
    if (box_ == nullptr) {
        return;
    }
    text_.clear();
    SetWindowTextA(box_, "");
    paintedSinceClear_ = false;
    paintPending_ = false;
}

void LogBox::append(LogLevel level, const char* message) {
    if (box_ == nullptr) {
        return;
    }
    logBuffer::Change change =
        logBuffer::changeForAppend(text_, logBuffer::entryFor(level, message));
    // Drawing waits for paint(): the box would otherwise scroll to each new entry and back.
    SendMessageA(box_, WM_SETREDRAW, FALSE, 0);
    if (change.dropped == text_.size()) {
        SetWindowTextA(box_, change.added.c_str());
    } else {
        if (change.dropped > 0) {
            SendMessageA(box_, EM_SETSEL, 0, characterCount(text_, change.dropped));
            SendMessageA(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        }
        // The box clamps the position to its end, which no byte count falls short of.
        const WPARAM end = static_cast<WPARAM>(text_.size());
        SendMessageA(box_, EM_SETSEL, end, end);
        SendMessageA(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(change.added.c_str()));
        SendMessageA(box_, EM_SETSEL, 0, 0);
        SendMessageA(box_, EM_SCROLLCARET, 0, 0);
    }
    SendMessageA(box_, WM_SETREDRAW, TRUE, 0);
    text_.erase(0, change.dropped);
    text_ += change.added;

    paintPending_ = true;
    if (!paintedSinceClear_ || GetTickCount() - lastPaint_ >= kPaintIntervalMilliseconds) {
        paint();
    } else {
        // Painted later: by the next message that is due, by flush, or when the window next
        // handles its messages.
        invalidateWithBackground(box_);
    }
}

void LogBox::flush() {
    if (box_ != nullptr && paintPending_) {
        paint();
    }
}

// At once, with the background behind the box (which does not erase its old text): the
// conversion holds the window thread until it ends.
void LogBox::paint() {
    repaintBehind(box_);
    paintedSinceClear_ = true;
    paintPending_ = false;
    lastPaint_ = GetTickCount();
}
