#pragma once

#include "app/look/PaintedDialog.h"

// The help window: one fixed text about the input format and the generated files.
class AboutDialog : public PaintedDialog {
public:
    AboutDialog() : PaintedDialog(Reflection::Off) {}

    // Runs the window modally, owned by `owner`; returns its result.
    INT_PTR run(HWND owner);

protected:
    bool onInit(HWND window) override;
    bool onCommand(WORD id, WORD notification, HWND control) override;
};
