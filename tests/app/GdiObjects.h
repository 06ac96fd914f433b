#pragma once

// Counts the GDI objects (bitmaps, brushes, device contexts, fonts, ...) that this process
// holds. GetGuiResources answers 0 under Wine, so the count walks the process's GDI handle
// table instead and asks GetObjectType about each handle found there.
int countGdiObjects();
