#pragma once

#include <windows.h>

#include "app/framework/WindowMessage.h"

// A modal dialog built from a resource template and bound to this object.
//
// Conventions of the framework: processMessage() returns true when it claimed a message and
// then puts the message's result into `result`; a message nobody claims gets the dialog
// manager's default processing. The object learns its window handle at the window's first
// message, before WM_INITDIALOG, and receives every later message of that window. No
// exception leaves a dispatch procedure.
class DialogBase {
public:
    DialogBase() = default;
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Null until the window's first message and again after its final one.
    HWND handle() const { return window_; }

    // Creates the dialog from template `templateId` owned by `owner` and runs it until it
    // ends; returns its result, or -1 when the window could not be created.
    INT_PTR runModal(int templateId, HWND owner);
    void endDialog(INT_PTR result);

    // Moves the window over its owner, or over the work area when the owner is hidden,
    // minimised or missing, keeping it inside the work area; no resizing, no activation.
    void centreWindow();

    // Sends a control notification back to the control it is about, with
    // kReflectedMessageBase added to the message number. True (claimed) when a control was
    // found; its answer is then the result.
    bool reflectNotifications(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The procedure every dialog of the application is created with.
    static INT_PTR CALLBACK startProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) = 0;
    // Called after the window's final message; the handle is already null.
    virtual void onFinalMessage(HWND /*window*/) {}

    // The message being handled, or null outside a handler.
    const WindowMessage* currentMessage() const { return currentMessage_; }

private:
    static INT_PTR CALLBACK dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static DialogBase* fromHandle(HWND window);
    void bind(HWND window);
    void unbind(HWND window);

    HWND window_ = nullptr;
    const WindowMessage* currentMessage_ = nullptr;
};
