#include "app/look/Repaint.h"

namespace {

// The control's rectangle in its parent's client coordinates.
bool rectangleInParent(HWND control, HWND& parent, RECT& bounds) {
    parent = GetParent(control);
    if (parent == nullptr || !GetWindowRect(control, &bounds)) {
        return false;
    }
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return true;
}

}  // namespace

void invalidateBehind(HWND control) {
    HWND parent = nullptr;
    RECT bounds{};
    if (rectangleInParent(control, parent, bounds)) {
        InvalidateRect(parent, &bounds, TRUE);
    }
}

void repaintBehind(HWND control) {
    HWND parent = nullptr;
    RECT bounds{};
    if (rectangleInParent(control, parent, bounds)) {
        RedrawWindow(parent, &bounds, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}
