#pragma once

#include <windows.h>

#include "app/framework/DialogBase.h"
#include "app/look/BitmapBackground.h"

// A dialog with the shared look, and the one message chain of every window: the background
// and colour rules first, then the window's set-up and its commands, then (where the window
// asks for it) reflection of control notifications back to their controls. A window keeps
// only its set-up and its command table.
class PaintedDialog : public DialogBase, public BitmapBackground {
public:
    enum class Reflection { Off, On };

    explicit PaintedDialog(Reflection reflection) : reflection_(reflection) {}

protected:
    bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) final;

    // Sets up the controls once the window is centred and painted. True when the system is to
    // put the focus on the first tab stop.
    virtual bool onInit(HWND window) = 0;
    // Handles a command from control `id` (`control` null for menus and accelerators); true
    // when it did.
    virtual bool onCommand(WORD id, WORD notification, HWND control) = 0;

private:
    Reflection reflection_;
};
