#include "app/look/FramedEdit.h"

#include <commctrl.h>

#include "app/look/Colours.h"
#include "app/look/Repaint.h"

void FramedEdit::drawFrame(HWND window) const {
    HDC dc = GetWindowDC(window);
    if (dc == nullptr) {
        return;
    }
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const RECT frame{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    const bool active = hovered_ || GetFocus() == window;
    HBRUSH brush = CreateSolidBrush(active ? colours::kFrameActive : colours::kFrameNormal);
    if (brush != nullptr) {
        FrameRect(dc, &frame, brush);
        DeleteObject(brush);
    }
    ReleaseDC(window, dc);
}

void FramedEdit::repaintFrame(HWND window) const {
    SendMessageA(window, WM_NCPAINT, 1, 0);
    // Wine's edit box clears its client area when asked to paint its whole frame; draw the
    // text again so that hovering or focusing never hides it.
    InvalidateRect(window, nullptr, FALSE);
}

bool FramedEdit::processMessage(HWND window, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                LRESULT& result) {
    // Reflected notifications get the system's default answer, for example the system's window
    // colours for the box.
    auto defaultAnswer = [&] {
        const WindowMessage* current = currentMessage();
        result = DefWindowProcA(window, message - kReflectedMessageBase, current->wParam,
                                current->lParam);
        return true;
    };
    if (isControlColourMessage(message - kReflectedMessageBase)) {
        return defaultAnswer();
    }
    switch (message) {
        case WM_NCPAINT:
            callPrevious();
            drawFrame(window);
            result = 1;
            return true;
        case WM_SETFOCUS:
            repaintFrame(window);
            callPrevious();
            result = 1;
            return true;
        case WM_KILLFOCUS:
            repaintFrame(window);
            callPrevious();
            invalidateBehind(window);
            result = 1;
            return true;
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT request{};
                request.cbSize = sizeof request;
                request.dwFlags = TME_HOVER | TME_LEAVE;
                request.hwndTrack = window;
                request.dwHoverTime = 1;
                tracking_ = _TrackMouseEvent(&request) != FALSE;
            }
            return false;
        case WM_MOUSEHOVER:
            hovered_ = true;
            repaintFrame(window);
            callPrevious();
            result = 0;
            return true;
        case WM_MOUSELEAVE:
            hovered_ = false;
            tracking_ = false;
            repaintFrame(window);
            callPrevious();
            result = 0;
            return true;
        case WM_LBUTTONDOWN:
        case WM_CHAR:
            callPrevious();
            invalidateBehind(window);
            result = 1;
            return true;
        case WM_COMMAND + kReflectedMessageBase:
            invalidateBehind(window);
            result = 1;
            return true;
        case WM_DRAWITEM + kReflectedMessageBase:
        case WM_MEASUREITEM + kReflectedMessageBase:
        case WM_DELETEITEM + kReflectedMessageBase:
        case WM_VKEYTOITEM + kReflectedMessageBase:
        case WM_CHARTOITEM + kReflectedMessageBase:
        case WM_COMPAREITEM + kReflectedMessageBase:
        case WM_NOTIFY + kReflectedMessageBase:
        case WM_HSCROLL + kReflectedMessageBase:
        case WM_VSCROLL + kReflectedMessageBase:
        case WM_PARENTNOTIFY + kReflectedMessageBase:
            return defaultAnswer();
        default:
            return false;
    }
}
