#include "app/look/BitmapBackground.h"

#include "app/framework/AppModule.h"
#include "app/look/Colours.h"
#include "res/resource.h"

namespace {

// True when the control is an edit box; read-only and disabled edit boxes colour
// themselves with WM_CTLCOLORSTATIC like labels do.
bool isEditBox(HWND control) {
    char className[256] = "";
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Edit") == 0;
}

LRESULT nullBrush() {
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

}  // namespace

BitmapBackground::BitmapBackground() {
    bitmap_ =
        static_cast<HBITMAP>(LoadImageA(appModule().instance(), MAKEINTRESOURCEA(IDR_BACKGROUND),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap_ == nullptr) {
        OutputDebugStringA("velorin: the background bitmap could not be loaded\n");
    }
}

BitmapBackground::~BitmapBackground() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

void BitmapBackground::paint(HDC target) const {
    if (bitmap_ == nullptr || paintedWindow_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(paintedWindow_, &client);
    BITMAP info{};
    GetObjectA(bitmap_, sizeof info, &info);

    HDC memory = CreateCompatibleDC(target);
    if (memory == nullptr) {
        return;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap_);
    StretchBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, info.bmWidth, info.bmHeight,
               SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

bool BitmapBackground::processMessage(HWND /*window*/, UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            paint(reinterpret_cast<HDC>(wParam));
            result = 1;
            return true;
        case WM_PAINT:
            // Only a device context passed with the message is painted here; the default
            // processing validates the window and erases it through WM_ERASEBKGND.
            if (wParam != 0) {
                paint(reinterpret_cast<HDC>(wParam));
            }
            result = 1;
            return false;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            return colourControl(message, reinterpret_cast<HDC>(wParam),
                                 reinterpret_cast<HWND>(lParam), result);
        default:
            return false;
    }
}

bool BitmapBackground::colourControl(UINT message, HDC dc, HWND control, LRESULT& result) const {
    result = nullBrush();
    switch (message) {
        case WM_CTLCOLORSTATIC:
            SetTextColor(dc, colours::kText);
            if (isEditBox(control)) {
                SetBkMode(dc, OPAQUE);
                SetBkColor(dc, colours::kReadOnlyBackground);
            } else {
                SetBkMode(dc, TRANSPARENT);
            }
            return true;
        case WM_CTLCOLOREDIT:
            // Editable boxes keep the system colours: the message goes on to the box itself.
            SetTextColor(dc, colours::kText);
            SetBkMode(dc, TRANSPARENT);
            return false;
        case WM_CTLCOLORBTN:
            SetTextColor(dc, colours::kButtonText);
            SetBkMode(dc, TRANSPARENT);
            return true;
        default:  // WM_CTLCOLORSCROLLBAR
            SetTextColor(dc, colours::kButtonText);
            SetBkMode(dc, TRANSPARENT);
            return false;
    }
}
