#include "features/appearance/always_on_top.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kCaption[] = L"Zawsze na wierzchu";
}  // namespace

AlwaysOnTop::AlwaysOnTop(toolkit::PopupMenu& menu, std::vector<toolkit::Form*> windows)
    : menu_(menu), windows_(std::move(windows)) {}

void AlwaysOnTop::AddMenuItems() {
  onItem_ = menu_.Add(kCaption, [this] { Set(toolkit::Stacking::Normal); });
  menu_[onItem_].checked = true;
  offItem_ = menu_.Add(kCaption, [this] { Set(toolkit::Stacking::StayOnTop); });
  ShowMenuItems();
}

void AlwaysOnTop::Set(toolkit::Stacking stacking) {
  on_ = stacking == toolkit::Stacking::StayOnTop;
  for (toolkit::Form* window : windows_)
    if (window->Handle()) window->SetStacking(stacking);
  ShowMenuItems();
}

void AlwaysOnTop::ShowMenuItems() {
  menu_[onItem_].visible = on_;
  menu_[offItem_].visible = !on_;
}

}  // namespace kadrion::features
