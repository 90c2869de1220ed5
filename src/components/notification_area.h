#pragma once
// The taskbar's notification area, reached only through Shell_NotifyIcon. Behind an interface
// so that tests record the calls instead of putting icons on the user's taskbar.
#include "toolkit/win.h"

#include <shellapi.h>

namespace kadrion::components {

class NotificationArea {
 public:
  virtual ~NotificationArea() = default;
  // Adds, changes or removes an icon (NIM_ADD, NIM_MODIFY, NIM_DELETE). The shell's answer
  // tells nothing the caller could act on, so there is none.
  virtual void Notify(DWORD action, const NOTIFYICONDATAW& icon) = 0;
};

class SystemNotificationArea : public NotificationArea {
 public:
  void Notify(DWORD action, const NOTIFYICONDATAW& icon) override {
    NOTIFYICONDATAW copy = icon;
    Shell_NotifyIconW(action, &copy);
  }
};

}  // namespace kadrion::components
