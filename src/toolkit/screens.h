#pragma once
// The screens a window can be placed on.
#include <vector>

#include "core/setting_limits.h"

namespace kadrion::toolkit {

// The work area (the screen without the taskbar) of every monitor.
std::vector<kadrion::core::ScreenArea> ScreenWorkAreas();

}  // namespace kadrion::toolkit
