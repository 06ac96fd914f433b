#pragma once

#include <windows.h>

// The colours shared by all windows.
namespace colours {

constexpr COLORREF kText = RGB(0, 0, 155);  // labels, group boxes, read-only boxes
constexpr COLORREF kReadOnlyBackground = RGB(237, 242, 249);  // behind read-only box text
constexpr COLORREF kButtonText = RGB(0, 0, 0);                // push buttons and scroll bars
constexpr COLORREF kFrameActive = RGB(88, 119, 169);          // framed edit, hovered or focused
constexpr COLORREF kFrameNormal = RGB(155, 186, 236);         // framed edit otherwise

}  // namespace colours
