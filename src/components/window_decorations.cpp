#include "components/window_decorations.h"

namespace kadrion::components {

MainWindowDecorations::MainWindowDecorations(toolkit::Form& window, NotificationArea& area,
                                             const toolkit::ProgramTitle& title,
                                             toolkit::MessagePump& messages)
    : trayIcon(window, area, title, messages), roller(window, messages) {
  // The stored values of the design, then Loaded for each, in the order they were made.
  trayIcon.SetOrder(0);
  trayIcon.SetHint(L"Minimalizuj do zasobnika");
  trayIcon.SetOptions(TrayIcon::kOneClickRestore);
  trayIcon.SetShowTip(true);
  trayIcon.SetIconVisible(false);

  roller.SetOrder(1);
  roller.SetHint(L"Zwiń");
  // Kept for the day the entry is switched on; with ApplyToMenu off no entry is added.
  roller.SystemMenu().SetCaption(L"Zwiń");
  roller.SystemMenu().SetPosition(7);
  roller.SystemMenu().SetSeparators(SystemMenuEntry::kBefore | SystemMenuEntry::kAfter);
  roller.SystemMenu().SetApplyToMenu(false);
  roller.animate = false;
  roller.animateSpeed = 10;
  roller.SetHintRollUp(L"Zwiń");
  roller.SetHintRollDown(L"Rozwiń");
  roller.SetRemainHeight(0);
  roller.SetRolledUp(false);

  trayIcon.Loaded();
  roller.Loaded();
}

}  // namespace kadrion::components
