#pragma once
// "Zawsze na wierzchu": the main window and the description window stay above other windows,
// or not. The list's menu carries two items of that caption, one shown at a time: the checked
// one while the switch is on (choosing it turns it off), the other while it is off.
#include <vector>

#include "toolkit/form.h"
#include "toolkit/popup_menu.h"

namespace kadrion::features {

class AlwaysOnTop {
 public:
  // `windows` follow the switch; one not created yet takes it up when it is created.
  AlwaysOnTop(toolkit::PopupMenu& menu, std::vector<toolkit::Form*> windows);

  // Adds the two menu items at the end of the menu.
  void AddMenuItems();
  void Set(toolkit::Stacking stacking);
  bool On() const { return on_; }

 private:
  void ShowMenuItems();

  toolkit::PopupMenu& menu_;
  std::vector<toolkit::Form*> windows_;
  int onItem_ = -1;   // checked, shown while on
  int offItem_ = -1;  // shown while off
  bool on_ = false;
};

}  // namespace kadrion::features
