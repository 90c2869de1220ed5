#pragma once
// The window design's pixel sizes are for a screen of 96 dots per inch. The program's manifest
// tells Windows that it knows the screen's setting, so at 120 or 144 dpi it scales its design
// itself rather than being stretched, blurred, by the system.
#include "toolkit/win.h"

namespace kadrion::toolkit {

// The screen's dots per inch (96 when the system cannot say).
int ScreenDpi();
// A design size in pixels at the screen's setting.
int Scaled(int designPixels);
// A design rectangle, given by its left, top, width and height, at the screen's setting.
RECT ScaledRect(int left, int top, int width, int height);

}  // namespace kadrion::toolkit
