#include "toolkit/dpi.h"

#include "toolkit/gdi.h"

namespace kadrion::toolkit {

int ScreenDpi() {
  static const int dpi = [] {
    const WindowDc screen(nullptr);
    const int dots = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dots > 0 ? dots : 96;
  }();
  return dpi;
}

int Scaled(int designPixels) {
  return MulDiv(designPixels, ScreenDpi(), 96);
}

RECT ScaledRect(int left, int top, int width, int height) {
  const int x = Scaled(left), y = Scaled(top);
  return RECT{x, y, x + Scaled(width), y + Scaled(height)};
}

}  // namespace kadrion::toolkit
