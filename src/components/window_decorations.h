#pragma once
// The main window's two caption-bar components, set up as the window's design has them:
// FormTrayIcon1 (rightmost) hides the window to the notification area, and one click on the
// icon there brings it back; FormRoller1 (left of it) rolls the window up to its caption bar
// and down again, at once.
#include "components/form_roller.h"
#include "components/notification_area.h"
#include "components/tray_icon.h"

namespace kadrion::components {

struct MainWindowDecorations {
  // `title` is the tray icon's tip; `messages` handles the waiting messages while they work.
  MainWindowDecorations(toolkit::Form& window, NotificationArea& area,
                        const toolkit::ProgramTitle& title, toolkit::MessagePump& messages);

  TrayIcon trayIcon;  // "FormTrayIcon1" of the design
  FormRoller roller;  // "FormRoller1"
};

}  // namespace kadrion::components
