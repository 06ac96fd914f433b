#include "app/framework/SubclassedControl.h"

namespace {

// The window property that leads from a control's handle to its object.
const char kObjectProperty[] = "velorin.SubclassedControl";

WNDPROC procedureOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

}  // namespace

SubclassedControl::~SubclassedControl() {
    // A control that outlives its object gets its own procedure back.
    if (window_ != nullptr && IsWindow(window_)) {
        if (procedureOf(window_) == &SubclassedControl::dispatch) {
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        }
        RemovePropA(window_, kObjectProperty);
    }
}

bool SubclassedControl::attach(HWND control) {
    if (window_ != nullptr || control == nullptr || GetPropA(control, kObjectProperty) != nullptr) {
        return false;
    }
    if (!SetPropA(control, kObjectProperty, this)) {
        return false;
    }
    const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedControl::dispatch)));
    if (previous == nullptr) {
        RemovePropA(control, kObjectProperty);
        return false;
    }
    previous_ = previous;
    window_ = control;
    return true;
}

LRESULT SubclassedControl::callPrevious() {
    const WindowMessage* message = currentMessage_;
    return CallWindowProcA(previous_, message->window, message->message, message->wParam,
                           message->lParam);
}

LRESULT SubclassedControl::callPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(previous_, window_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::dispatch(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* object = static_cast<SubclassedControl*>(GetPropA(window, kObjectProperty));
    if (object == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const WindowMessage current{window, message, wParam, lParam};
    CurrentMessageScope scope(object->currentMessage_, current);
    try {
        LRESULT result = 0;
        if (object->processMessage(window, message, wParam, lParam, result)) {
            if (message == WM_NCDESTROY) {
                object->release(window);
            }
            return result;
        }
        if (message == WM_NCDESTROY) {
            return object->finalMessage(window, message, wParam, lParam);
        }
        return CallWindowProcA(object->previous_, window, message, wParam, lParam);
    } catch (...) {
        OutputDebugStringA("velorin: a control's message handler failed\n");
        return 0;
    }
}

LRESULT SubclassedControl::finalMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcA(previous_, window, message, wParam, lParam);
    release(window);
    return result;
}

void SubclassedControl::release(HWND window) {
    // Put the previous procedure back only while ours is still installed: a procedure that
    // replaced ours after attach() stays.
    if (previous_ != &DefWindowProcA && procedureOf(window) == &SubclassedControl::dispatch) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    RemovePropA(window, kObjectProperty);
    window_ = nullptr;
    previous_ = &DefWindowProcA;
    onFinalMessage(window);
}
