#pragma once
// What a value of the settings file must be for the program to use it. A hand-edited or damaged
// "Baza.ini" can hold any integer; outside these limits a value reads as its key's default, so
// that the list never gets a transparent background, an invisible or giant font, or a window
// that cannot be seen or reached.
#include <cstdint>
#include <span>

namespace kadrion::core {

struct SettingRange {
  std::int32_t low, high;
  constexpr std::int32_t Or(std::int32_t value, std::int32_t fallback) const {
    return value >= low && value <= high ? value : fallback;
  }
};

// Pixels; 0 is a column the user dragged shut. Negative widths are commands to the list (-1
// and -2 size a column to its texts, reading every row).
inline constexpr SettingRange kColumnWidths{0, 10000};
// Points; the sizes the font dialog offers.
inline constexpr SettingRange kFontSizes{6, 72};
// 0x00BBGGRR; a high byte makes a palette index or "no colour" of it (-1 is a transparent list).
inline constexpr SettingRange kColours{0, 0xFFFFFF};
inline constexpr SettingRange kFontStyles{0, 15};
inline constexpr SettingRange kCharsets{0, 255};

// A rectangle in screen pixels, right and bottom excluded.
struct ScreenArea {
  std::int64_t left, top, right, bottom;
};

// Whether a window with these outer bounds can be seen and moved on screens with these work
// areas: at least 160 x 120 pixels, at least half of it on the screens, and a 40 x 10 piece of
// its top 24 pixels (the caption bar) on one of them.
bool WindowFitsScreens(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                       std::span<const ScreenArea> screens);

}  // namespace kadrion::core
