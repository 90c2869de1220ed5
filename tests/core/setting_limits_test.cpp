#include "core/setting_limits.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace kadrion::core {
namespace {

// The main window's tests try one screen under Wine; here a second one to the right, lower down.
TEST(WindowFitsScreens, OnlyAWindowThatCanBeSeenAndMovedFits) {
  const std::vector<ScreenArea> one = {{0, 0, 1280, 1024}};
  const std::vector<ScreenArea> two = {{0, 0, 1280, 1024}, {1280, 200, 2560, 1224}};
  const struct {
    const char* what;
    int left, top, width, height;
    bool onOne, onTwo;
  } cases[] = {
      {"the first start's bounds", -4, -4, 808, 608, true, true},
      {"too small", 0, 0, 159, 600, false, false},
      {"the smallest", 0, 0, 160, 120, true, true},
      {"a pixel too low", 0, 0, 800, 119, false, false},
      {"ten rows of the caption on the screen", 100, -14, 800, 600, true, true},
      {"nine rows", 100, -15, 800, 600, false, false},
      {"on the second screen", 1400, 300, 800, 600, false, true},
      {"in the corner the second screen leaves", 1400, 0, 800, 150, false, false},
      {"half off the right edge", 880, 100, 800, 600, true, true},
      {"caption above the screen", 100, -30, 800, 600, false, false},
      {"four times the screen", 0, 0, 2600, 2048, false, false},
      {"values that would wrap", INT_MAX, INT_MAX, INT_MAX, INT_MAX, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowFitsScreens(c.left, c.top, c.width, c.height, one), c.onOne) << c.what;
    EXPECT_EQ(WindowFitsScreens(c.left, c.top, c.width, c.height, two), c.onTwo) << c.what;
  }
}

}  // namespace
}  // namespace kadrion::core
