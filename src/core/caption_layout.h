#pragma once
// Where extra buttons sit in a window's caption bar, left of the standard ones, and the small
// rules around them (their order, the system-menu position of their entries). Plain arithmetic,
// so that it can be checked without a window.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace kadrion::core {

struct CaptionSlot {
  bool visible = true;
  int separatorWidth = 0;  // extra gap right of the button
};

// For each button, in list order, the distance from its left edge back to the right end of the
// caption space the standard buttons leave free; the first sits rightmost. Invisible buttons
// take no place and get no offset.
std::vector<std::optional<int>> RightOffsets(const std::vector<CaptionSlot>& slots,
                                             int buttonWidth);

// What decides how much of the caption the standard buttons take.
struct CaptionStyle {
  bool toolWindow = false;
  bool minimizeOrMaximizeBox = false;
  bool contextHelp = false;
  bool systemMenu = false;
};
// The size of a standard caption button and the frame thickness (the dialog frame for a
// window without a sizing border or when iconic).
struct CaptionMetrics {
  int buttonWidth = 0;
  int buttonHeight = 0;
  int frameX = 0;
  int frameY = 0;
};
// One caption button: `rect` is what the hit test compares with (client x of the pointer), the
// image is drawn at (imageX, imageY) of the whole window, `imageWidth` x `imageHeight` pixels.
struct ButtonPlace {
  int left = 0, top = 0, right = 0, bottom = 0;
  int imageX = 0, imageY = 0, imageWidth = 0, imageHeight = 0;
  int faceWidth = 0, faceHeight = 0;  // the inner size the border is drawn around
};
ButtonPlace PlaceCaptionButton(int windowWidth, const CaptionStyle& style,
                               const CaptionMetrics& metrics, int rightOffset);
// Whether a point in the window's client coordinates (the caption lies above 0) is on the button.
bool OnCaptionButton(const ButtonPlace& place, int clientX, int clientY);

// A button moved to `requested` among `count` lands at the nearest existing index.
int ClampButtonOrder(int requested, int count);

// A system-menu entry asked for past the end of a menu of `itemCount` items goes at its end;
// one place past the end is left as asked, which inserting by position also appends.
int SystemMenuInsertPosition(int position, int itemCount);

// Brings buttons into the order read from a form's design: neighbours swap while the second
// has the smaller order (as a signed 16-bit value), pass after pass, so equal orders keep their
// places. Reports whether anything moved.
template <typename T, typename OrderOf>
bool SortByLoadedOrder(std::vector<T>& items, OrderOf orderOf) {
  bool movedAny = false;
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t k = 0; k + 1 < items.size(); ++k) {
      if (static_cast<std::int16_t>(orderOf(items[k + 1])) <
          static_cast<std::int16_t>(orderOf(items[k]))) {
        std::swap(items[k], items[k + 1]);
        swapped = movedAny = true;
      }
    }
  }
  return movedAny;
}

}  // namespace kadrion::core
