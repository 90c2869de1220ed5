#include "core/setting_limits.h"

#include <algorithm>

namespace kadrion::core {

namespace {

constexpr std::int64_t kMinWidth = 160, kMinHeight = 120;
constexpr std::int64_t kCaptionStrip = 24, kCaptionPieceWidth = 40, kCaptionPieceHeight = 10;

ScreenArea Overlap(const ScreenArea& a, const ScreenArea& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

std::int64_t Width(const ScreenArea& area) {
  return std::max<std::int64_t>(0, area.right - area.left);
}
std::int64_t Height(const ScreenArea& area) {
  return std::max<std::int64_t>(0, area.bottom - area.top);
}

}  // namespace

bool WindowFitsScreens(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                       std::span<const ScreenArea> screens) {
  if (width < kMinWidth || height < kMinHeight) return false;
  // 64 bits: a stored left of 2,147,483,000 plus the width must not wrap.
  const ScreenArea window{left, top, std::int64_t{left} + width, std::int64_t{top} + height};
  const ScreenArea caption{window.left, window.top, window.right, window.top + kCaptionStrip};
  std::int64_t shown = 0;
  bool captionShown = false;
  // Screens do not overlap one another, so their pieces of the window add up.
  for (const ScreenArea& screen : screens) {
    const ScreenArea piece = Overlap(window, screen);
    shown += Width(piece) * Height(piece);
    const ScreenArea captionPiece = Overlap(caption, screen);
    captionShown = captionShown || (Width(captionPiece) >= kCaptionPieceWidth &&
                                    Height(captionPiece) >= kCaptionPieceHeight);
  }
  return captionShown && 2 * shown >= Width(window) * Height(window);
}

}  // namespace kadrion::core
