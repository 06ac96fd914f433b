#include "app/look/TransparentLabel.h"

bool TransparentLabel::processMessage(HWND /*window*/, UINT message, WPARAM wParam,
                                      LPARAM /*lParam*/, LRESULT& result) {
    if (message != WM_ERASEBKGND) {
        return false;
    }
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    result = 1;
    return true;
}
