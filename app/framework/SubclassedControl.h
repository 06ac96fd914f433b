#pragma once

#include <windows.h>

#include "app/framework/WindowMessage.h"

// An existing child control whose window procedure this object takes over. processMessage()
// follows the dialog convention (true: claimed, result set); what it does not claim goes to
// the control's previous procedure. At the control's final message the previous procedure
// is put back, unless someone replaced the procedure again since attach(); the handle is
// cleared either way.
class SubclassedControl {
public:
    SubclassedControl() = default;
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    // Takes over the control. False (and nothing changed) when the platform refuses to
    // replace its procedure or the control already has an object.
    bool attach(HWND control);
    HWND handle() const { return window_; }

protected:
    virtual bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) = 0;
    // Called after the control's final message; the handle is already null.
    virtual void onFinalMessage(HWND /*window*/) {}

    // Hands the current message, or any message, to the previous procedure.
    LRESULT callPrevious();
    LRESULT callPrevious(UINT message, WPARAM wParam, LPARAM lParam);

    const WindowMessage* currentMessage() const { return currentMessage_; }

private:
    static LRESULT CALLBACK dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT finalMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void release(HWND window);

    HWND window_ = nullptr;
    const WindowMessage* currentMessage_ = nullptr;
    WNDPROC previous_ = &DefWindowProcA;
};
