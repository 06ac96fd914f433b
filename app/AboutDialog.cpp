#include "app/AboutDialog.h"

#include "app/AppTexts.h"
#include "app/look/Repaint.h"
#include "res/resource.h"

INT_PTR AboutDialog::run(HWND owner) {
    return runModal(IDD_ABOUT, owner);
}

bool AboutDialog::processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT& result) {
    if (BitmapBackground::processMessage(window, message, wParam, lParam, result)) {
        return true;
    }
    switch (message) {
        case WM_INITDIALOG:
            centreWindow();
            SetDlgItemTextA(window, IDE_HELP_TEXT, appTexts::kHelpText);
            setPaintedWindow(window);
            // The dialog manager chooses the first focus.
            return false;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDE_HELP_TEXT && HIWORD(wParam) == EN_VSCROLL) {
                // The box scrolls its text over the background without erasing it.
                invalidateBehind(reinterpret_cast<HWND>(lParam));
                return false;
            }
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                endDialog(LOWORD(wParam));
                result = 0;
                return true;
            }
            return false;
        default:
            return false;
    }
}
