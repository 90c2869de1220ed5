#include "features/appearance/always_on_top.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kCaption[] = L"Zawsze na wierzchu";
}  // namespace

AlwaysOnTop::AlwaysOnTop(toolkit::PopupMenu& menu, std::vector<toolkit::Form*> windows)
    : menu_(menu), windows_(std::move(windows)) {}

void AlwaysOnTop::AddMenuItems() {
  onItem_ = menu_.Add(kCaption, [this] { Set(false); });
  menu_[onItem_].checked = true;
  offItem_ = menu_.Add(kCaption, [this] { Set(true); });
  ShowMenuItems();
}

void AlwaysOnTop::Set(bool on) {
  on_ = on;
  for (toolkit::Form* window : windows_)
    if (window->Handle()) window->SetStayOnTop(on);
  ShowMenuItems();
}

void AlwaysOnTop::ShowMenuItems() {
  menu_[onItem_].visible = on_;
  menu_[offItem_].visible = !on_;
}

}  // namespace kadrion::features
