#include "toolkit/screens.h"

#include "toolkit/win.h"

namespace kadrion::toolkit {

namespace {
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& work = info.rcWork;
    reinterpret_cast<std::vector<kadrion::core::ScreenArea>*>(param)->push_back(
        {work.left, work.top, work.right, work.bottom});
  }
  return TRUE;
}
}  // namespace

std::vector<kadrion::core::ScreenArea> ScreenWorkAreas() {
  std::vector<kadrion::core::ScreenArea> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

}  // namespace kadrion::toolkit
