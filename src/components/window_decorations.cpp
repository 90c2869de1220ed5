#include "components/window_decorations.h"

namespace components {

MainWindowDecorations::MainWindowDecorations(toolkit::Form& window, NotificationArea& area)
    : FormTrayIcon1(window, area), FormRoller1(window) {
  // The stored values of the design, then Loaded for each, in the order they were made.
  FormTrayIcon1.SetOrder(0);
  FormTrayIcon1.SetHint(L"Minimalizuj do zasobnika");
  FormTrayIcon1.SetOptions(TrayIcon::kOneClickRestore);
  FormTrayIcon1.SetShowTip(true);
  FormTrayIcon1.SetIconVisible(false);

  FormRoller1.SetOrder(1);
  FormRoller1.SetHint(L"Zwiń");
  // Kept for the day the entry is switched on; with ApplyToMenu off no entry is added.
  FormRoller1.SystemMenu().SetCaption(L"Zwiń");
  FormRoller1.SystemMenu().SetPosition(7);
  FormRoller1.SystemMenu().SetSeparators(SystemMenuEntry::kBefore | SystemMenuEntry::kAfter);
  FormRoller1.SystemMenu().SetApplyToMenu(false);
  FormRoller1.animate = false;
  FormRoller1.animateSpeed = 10;
  FormRoller1.SetHintRollUp(L"Zwiń");
  FormRoller1.SetHintRollDown(L"Rozwiń");
  FormRoller1.SetRemainHeight(0);
  FormRoller1.SetRolledUp(false);

  FormTrayIcon1.Loaded();
  FormRoller1.Loaded();
}

}  // namespace components
