#include "core/setting_limits.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace kadrion {
namespace {

TEST(WindowFitsScreens, OnlyAWindowThatCanBeSeenAndMovedFits) {
  const std::vector<ScreenArea> one = {{0, 0, 1280, 1024}};
  // A second screen to the right of the first, lower down.
  const std::vector<ScreenArea> two = {{0, 0, 1280, 1024}, {1280, 200, 2560, 1224}};
  const struct {
    const char* what;
    int left, top, width, height;
    bool onOne, onTwo;
  } cases[] = {
      {"the first start's bounds", -4, -4, 808, 608, true, true},
      {"maximised bounds", -4, -4, 1288, 1032, true, true},
      {"just big enough", 0, 0, 160, 120, true, true},
      {"too narrow", 0, 0, 159, 600, false, false},
      {"rolled up to its caption", 0, 0, 800, 31, false, false},
      {"zero size", 100, 100, 0, 0, false, false},
      {"negative size", 500, 500, -300, -200, false, false},
      {"minimised, as Windows places it", -32000, -32000, 160, 28, false, false},
      {"far off to the left", -5000, 100, 800, 600, false, false},
      {"on the second screen", 1400, 300, 800, 600, false, true},
      {"in the corner the second screen leaves", 1400, 0, 800, 150, false, false},
      {"half off the right edge", 880, 100, 800, 600, true, true},
      {"most of it off the right edge", 1000, 100, 800, 600, false, true},
      {"caption above the screen", 100, -30, 800, 600, false, false},
      {"caption at the very bottom", 100, 1010, 800, 600, false, false},
      {"four times the screen", 0, 0, 2600, 2048, false, false},
      {"values that would wrap", INT_MAX, INT_MAX, INT_MAX, INT_MAX, false, false},
      {"the lowest values", INT_MIN, INT_MIN, INT_MAX, INT_MAX, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowFitsScreens(c.left, c.top, c.width, c.height, one), c.onOne) << c.what;
    EXPECT_EQ(WindowFitsScreens(c.left, c.top, c.width, c.height, two), c.onTwo) << c.what;
  }
  EXPECT_FALSE(WindowFitsScreens(-4, -4, 808, 608, {})) << "no screen at all";
}

}  // namespace
}  // namespace kadrion
