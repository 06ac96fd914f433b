#pragma once

#include "app/framework/SubclassedControl.h"

// A static text that never erases its background, so the dialog's bitmap shows behind it.
class TransparentLabel : public SubclassedControl {
protected:
    bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;
};
