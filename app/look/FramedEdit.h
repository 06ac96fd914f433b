#pragma once

#include "app/framework/SubclassedControl.h"

// An edit box with a one-pixel frame that darkens while the mouse is over the box or the box
// has the keyboard focus.
class FramedEdit : public SubclassedControl {
protected:
    bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;

private:
    void drawFrame(HWND window) const;
    void repaintFrame(HWND window) const;

    bool hovered_ = false;
    bool tracking_ = false;  // a request for hover and leave notifications is active
};
