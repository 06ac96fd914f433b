// Reflection of control notifications: the dialog sends each notification back to the
// control it is about, so that the control's own object can handle it.
#include "app/framework/DialogBase.h"

namespace {

// The child control a notification is about, or null.
HWND notifiedChild(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Menus and accelerators send no control handle.
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        case WM_PARENTNOTIFY:
            switch (LOWORD(wParam)) {
                case WM_CREATE:
                case WM_DESTROY:
                    return reinterpret_cast<HWND>(lParam);
                default:
                    return GetDlgItem(dialog, HIWORD(wParam));
            }
        case WM_DRAWITEM:
            return wParam != 0 ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem
                               : nullptr;
        case WM_MEASUREITEM:
            return wParam != 0
                       ? GetDlgItem(dialog,
                                    reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID)
                       : nullptr;
        case WM_DELETEITEM:
            return wParam != 0
                       ? GetDlgItem(dialog,
                                    reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->CtlID)
                       : nullptr;
        case WM_COMPAREITEM:
            return wParam != 0
                       ? GetDlgItem(dialog,
                                    reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->CtlID)
                       : nullptr;
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lParam);
        default:
            return isControlColourMessage(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}

}  // namespace

bool DialogBase::reflectNotifications(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = notifiedChild(handle(), message, wParam, lParam);
    if (child == nullptr) {
        return false;
    }
    result = SendMessageA(child, message + kReflectedMessageBase, wParam, lParam);
    return true;
}
