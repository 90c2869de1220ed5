#pragma once
// The client heights a window passes through when it rolls up to its caption or down again in
// visible steps. Speed 0 to 10: the higher, the fewer and larger the steps.
#include <vector>

namespace kadrion::core {

// Rolling up from `height` to `remain`; every height is set in turn.
std::vector<int> RollUpHeights(int height, int remain, int speed);
// Rolling down from `remain` back to `saved` (or `remain` when that is larger).
std::vector<int> RollDownHeights(int remain, int saved, int speed);

}  // namespace kadrion::core
