#include "core/roll_animation.h"

#include <algorithm>

namespace kadrion::core {

namespace {
int Step(int height, int speed) {
  const int divisor = 33 - 3 * std::clamp(speed, 0, 10);
  return std::max(2, height / divisor);
}
}  // namespace

std::vector<int> RollUpHeights(int height, int remain, int speed) {
  const int step = Step(height, speed);
  std::vector<int> heights;
  // The first step sets the height the window already has, which shows it at once.
  for (int h = height + step; h > remain;) {
    h = std::max(h - step, remain);
    heights.push_back(h);
  }
  return heights;
}

std::vector<int> RollDownHeights(int remain, int saved, int speed) {
  saved = std::max(saved, remain);
  const int step = Step(saved, speed);
  std::vector<int> heights;
  for (int h = remain - step; h < saved;) {
    h = std::min(h + step, saved);
    heights.push_back(h);
  }
  return heights;
}

}  // namespace kadrion::core
