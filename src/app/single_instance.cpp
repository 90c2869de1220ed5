#include "app/single_instance.h"

namespace kadrion::app {

UINT BringToFrontMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kadrion.BringToFront");
  return message;
}

bool HandOverToRunningCopy() {
  // Hidden windows are found too: the running copy may be in the notification area.
  const HWND window = FindWindowW(L"TMainWindow", nullptr);
  if (!window) return false;
  // Only a process the user is working with may take the foreground; this one lends it.
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  AllowSetForegroundWindow(process);
  return PostMessageW(window, BringToFrontMessage(), 0, 0) != FALSE;
}

}  // namespace kadrion::app
