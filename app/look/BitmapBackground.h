#pragma once

#include <windows.h>

// Mix-in of every dialog: stretches the background bitmap over the whole client area and
// gives the controls the shared text colours. Its processMessage() comes first in each
// dialog's handler and claims what it fully handles.
class BitmapBackground {
public:
    // Loads the dialog's own copy of the background bitmap.
    BitmapBackground();
    virtual ~BitmapBackground();
    BitmapBackground(const BitmapBackground&) = delete;
    BitmapBackground& operator=(const BitmapBackground&) = delete;

    virtual bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result);

    // The window whose client area is painted; set when the dialog is initialised.
    void setPaintedWindow(HWND window) { paintedWindow_ = window; }
    // Draws the bitmap over the painted window's client area in `target`.
    void paint(HDC target) const;

private:
    bool colourControl(UINT message, HDC dc, HWND control, LRESULT& result) const;

    HBITMAP bitmap_ = nullptr;
    HWND paintedWindow_ = nullptr;
};
