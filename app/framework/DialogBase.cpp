#include "app/framework/DialogBase.h"

#include "app/framework/AppModule.h"

namespace {

// The window property that leads from a dialog's handle to its object.
const char kObjectProperty[] = "velorin.DialogBase";

// Messages whose result a dialog procedure returns itself instead of storing it in
// DWLP_MSGRESULT.
bool returnsResultDirectly(UINT message) {
    switch (message) {
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
            return true;
        default:
            return isControlColourMessage(message);
    }
}

}  // namespace

DialogBase::~DialogBase() {
    // A window that outlives its object must not reach it any more.
    if (window_ != nullptr && IsWindow(window_)) {
        RemovePropA(window_, kObjectProperty);
    }
}

DialogBase* DialogBase::fromHandle(HWND window) {
    return static_cast<DialogBase*>(GetPropA(window, kObjectProperty));
}

void DialogBase::bind(HWND window) {
    window_ = window;
    SetPropA(window, kObjectProperty, this);
    SetWindowLongPtrA(window, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&DialogBase::dispatch));
}

void DialogBase::unbind(HWND window) {
    RemovePropA(window, kObjectProperty);
    window_ = nullptr;
}

INT_PTR DialogBase::runModal(int templateId, HWND owner) {
    AppModule& module = appModule();
    module.addPending(this);
    const INT_PTR result = DialogBoxParamA(module.instance(), MAKEINTRESOURCEA(templateId), owner,
                                           &DialogBase::startProcedure, 0);
    // When the window could not be created nobody took the object; a later dialog must not.
    module.removePending(this);
    return result;
}

void DialogBase::endDialog(INT_PTR result) {
    if (window_ != nullptr) {
        EndDialog(window_, result);
    }
}

INT_PTR CALLBACK DialogBase::startProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    DialogBase* object = appModule().takePending();
    if (object == nullptr) {
        OutputDebugStringA("velorin: a dialog was created without a waiting window object\n");
        return FALSE;
    }
    object->bind(window);
    return dispatch(window, message, wParam, lParam);
}

INT_PTR CALLBACK DialogBase::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogBase* object = fromHandle(window);
    if (object == nullptr) {
        return FALSE;
    }
    const WindowMessage current{window, message, wParam, lParam};
    LRESULT result = 0;
    bool claimed = false;
    {
        CurrentMessageScope scope(object->currentMessage_, current);
        try {
            claimed = object->processMessage(window, message, wParam, lParam, result);
        } catch (...) {
            OutputDebugStringA("velorin: a dialog's message handler failed\n");
            claimed = false;
        }
    }
    if (message == WM_NCDESTROY) {
        // The window is gone after this message, whoever handled it.
        object->unbind(window);
        object->onFinalMessage(window);
    }
    if (!claimed) {
        return FALSE;
    }
    if (returnsResultDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

void DialogBase::centreWindow() {
    if (window_ == nullptr) {
        return;
    }
    HWND reference = GetWindow(window_, GW_OWNER);
    if (reference != nullptr && (!IsWindowVisible(reference) || IsIconic(reference))) {
        reference = nullptr;
    }

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(
        MonitorFromWindow(reference != nullptr ? reference : window_, MONITOR_DEFAULTTONEAREST),
        &monitor);
    const RECT bounds = monitor.rcWork;
    RECT referenceRect = bounds;
    if (reference != nullptr) {
        GetWindowRect(reference, &referenceRect);
    }

    RECT windowRect{};
    GetWindowRect(window_, &windowRect);
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;

    // The centre of the reference and half the window's size, each by integer division.
    int left = (referenceRect.left + referenceRect.right) / 2 - width / 2;
    int top = (referenceRect.top + referenceRect.bottom) / 2 - height / 2;
    if (left < bounds.left) {
        left = bounds.left;
    } else if (left + width > bounds.right) {
        left = bounds.right - width;
    }
    if (top < bounds.top) {
        top = bounds.top;
    } else if (top + height > bounds.bottom) {
        top = bounds.bottom - height;
    }
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
