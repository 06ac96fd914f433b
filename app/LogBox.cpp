#include "app/LogBox.h"

#include <algorithm>

#include "app/LogBuffer.h"
#include "app/look/Repaint.h"

namespace {

// Messages that come faster than this share one change of the box and one paint. When a
// paint takes longer, the pause after it is twice that, so that the log takes at most a
// third of the command's time.
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
    clear();
}

void LogBox::clear() {
    if (box_ == nullptr) {
        return;
    }
    text_.clear();
    shown_.clear();
    kept_ = 0;
    SetWindowTextA(box_, "");
    paintedSinceClear_ = false;
}

void LogBox::append(LogLevel level, const char* message) {
    if (box_ == nullptr) {
        return;
    }
    logBuffer::Change change =
        logBuffer::changeForAppend(text_, logBuffer::entryFor(level, message));
    text_.erase(0, change.dropped);
    text_ += change.added;
    kept_ = kept_ > change.dropped ? kept_ - change.dropped : 0;
    const DWORD pause = std::max(kPaintIntervalMilliseconds, 2 * lastPaintCost_);
    if (!paintedSinceClear_ || GetTickCount() - lastPaint_ >= pause) {
        paint();
    }
}

void LogBox::flush() {
    if (box_ != nullptr && (kept_ != text_.size() || kept_ != shown_.size())) {
        paint();
    }
}

// Drops what went from the front of the box and adds the new entries at its end, with
// drawing suspended: the box would otherwise scroll to the new end and back.
void LogBox::showCollected() {
    SendMessageA(box_, WM_SETREDRAW, FALSE, 0);
    if (kept_ == 0) {
        SetWindowTextA(box_, text_.c_str());
    } else {
        const std::size_t dropped = shown_.size() - kept_;
        if (dropped > 0) {
            SendMessageA(box_, EM_SETSEL, 0, characterCount(shown_, dropped));
            SendMessageA(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        }
        if (kept_ < text_.size()) {
            // The box clamps the position to its end, which no byte count falls short of.
            const WPARAM end = static_cast<WPARAM>(text_.size());
            SendMessageA(box_, EM_SETSEL, end, end);
            SendMessageA(box_, EM_REPLACESEL, FALSE,
                         reinterpret_cast<LPARAM>(text_.c_str() + kept_));
        }
        SendMessageA(box_, EM_SETSEL, 0, 0);
        SendMessageA(box_, EM_SCROLLCARET, 0, 0);
    }
    SendMessageA(box_, WM_SETREDRAW, TRUE, 0);
    shown_ = text_;
    kept_ = text_.size();
}

// At once, with the background behind the box (which does not erase its old text): the
// conversion holds the window thread until it ends.
void LogBox::paint() {
    const DWORD start = GetTickCount();
    showCollected();
    repaintBehind(box_);
    paintedSinceClear_ = true;
    lastPaint_ = GetTickCount();
    lastPaintCost_ = lastPaint_ - start;
}
