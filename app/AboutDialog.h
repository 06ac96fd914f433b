#pragma once

#include "app/framework/DialogBase.h"
#include "app/look/BitmapBackground.h"

// The help window: one fixed text about the input format and the generated files.
class AboutDialog : public DialogBase, public BitmapBackground {
public:
    // Runs the window modally, owned by `owner`; returns its result.
    INT_PTR run(HWND owner);

protected:
    bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;
};
