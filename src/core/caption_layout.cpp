#include "core/caption_layout.h"

namespace kadrion::core {

std::vector<std::optional<int>> RightOffsets(const std::vector<CaptionSlot>& slots,
                                             int buttonWidth) {
  // The standard buttons are 2 pixels narrower than their metric, which leaves a 2-pixel gap
  // between neighbours once the first is 2 pixels in.
  std::vector<std::optional<int>> offsets;
  int offset = 2;
  for (const CaptionSlot& slot : slots) {
    if (!slot.visible) {
      offsets.emplace_back();
      continue;
    }
    offset += slot.separatorWidth + buttonWidth - 2;
    offsets.emplace_back(offset);
  }
  return offsets;
}

ButtonPlace PlaceCaptionButton(int windowWidth, const CaptionStyle& style,
                               const CaptionMetrics& metrics, int rightOffset) {
  const int bw = metrics.buttonWidth;
  int free = windowWidth;
  if (!style.toolWindow) {
    if (style.minimizeOrMaximizeBox)
      free -= 2 * bw;
    else if (style.contextHelp)
      free -= bw;
  }
  if (style.systemMenu) free -= bw;

  ButtonPlace place;
  place.faceWidth = bw - 5;
  place.faceHeight = metrics.buttonHeight - 7;
  place.left = free - rightOffset - 2 * metrics.frameX;
  place.top = metrics.frameY + 2;
  place.right = place.left + place.faceWidth + 3;
  place.bottom = place.faceHeight + 2;
  place.imageX = place.left + metrics.frameY + 2;
  place.imageY = place.top;
  place.imageWidth = place.faceWidth + 3;
  place.imageHeight = place.faceHeight + 3;
  return place;
}

bool OnCaptionButton(const ButtonPlace& place, int clientX, int clientY) {
  return place.left < clientX && clientX <= place.right + 1 && clientY < 0;
}

int ClampButtonOrder(int requested, int count) {
  return std::max(0, std::min(requested, count - 1));
}

int SystemMenuInsertPosition(int position, int itemCount) {
  return position > itemCount + 1 ? itemCount : position;
}

}  // namespace kadrion::core
