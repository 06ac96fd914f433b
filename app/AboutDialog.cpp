#include "app/AboutDialog.h"

#include "app/AppTexts.h"
#include "app/look/Repaint.h"
#include "res/resource.h"

INT_PTR AboutDialog::run(HWND owner) {
    return runModal(IDD_ABOUT, owner);
}

bool AboutDialog::onInit(HWND window) {
    SetDlgItemTextA(window, IDE_HELP_TEXT, appTexts::kHelpText);
    return false;  // the dialog manager chooses the first focus
}

bool AboutDialog::onCommand(WORD id, WORD notification, HWND control) {
    switch (id) {
        case IDE_HELP_TEXT:
            if (notification == EN_VSCROLL) {
                // The box scrolls its text over the background without erasing it.
                invalidateBehind(control);
            }
            return false;
        case IDOK:
        case IDCANCEL:
            endDialog(id);
            return true;
        default:
            return false;
    }
}
