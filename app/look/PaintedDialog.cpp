#include "app/look/PaintedDialog.h"

bool PaintedDialog::processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
    if (BitmapBackground::processMessage(window, message, wParam, lParam, result)) {
        return true;
    }
    switch (message) {
        case WM_INITDIALOG:
            centreWindow();
            setPaintedWindow(window);
            if (!onInit(window)) {
                return false;
            }
            result = 1;
            return true;
        case WM_COMMAND:
            if (onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
                result = 0;
                return true;
            }
            break;
        default:
            break;
    }
    return reflection_ == Reflection::On && reflectNotifications(message, wParam, lParam, result);
}
