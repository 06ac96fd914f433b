#pragma once

#include <windows.h>

// Controls with the transparent extended style draw over the dialog's bitmap without erasing
// it; when such a control changes, the bitmap behind it has to be painted again first.

// Marks the part of the parent behind `control` for repainting, background included.
void invalidateBehind(HWND control);

// Repaints the part of the parent behind `control` and then the control, at once.
void repaintBehind(HWND control);
