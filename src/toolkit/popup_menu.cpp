#include "toolkit/popup_menu.h"

#include "toolkit/handles.h"

namespace kadrion::toolkit {

int PopupMenu::Add(std::wstring caption, std::function<void()> onClick, std::wstring keys) {
  items_.push_back(Item{std::move(caption), std::move(keys), std::move(onClick)});
  return Count() - 1;
}

MenuHandle PopupMenu::Build() const {
  MenuHandle menu(CreatePopupMenu());
  for (int i = 0; i < Count(); ++i) {
    const Item& item = items_[static_cast<std::size_t>(i)];
    if (!item.visible) continue;
    if (item.IsSeparator())
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuW(menu.Get(),
                  MF_STRING | (item.checked ? MF_CHECKED : 0) | (item.Enabled() ? 0 : MF_GRAYED),
                  static_cast<UINT_PTR>(i + 1),
                  (item.keys.empty() ? item.caption : item.caption + L"\t" + item.keys).c_str());
    if (item.isDefault) SetMenuDefaultItem(menu.Get(), static_cast<UINT>(i + 1), FALSE);
  }
  return menu;
}

void PopupMenu::Popup(HWND owner, POINT at) {
  const MenuHandle menu = Build();
  const int chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                    owner, nullptr);
  if (chosen > 0) Click(chosen - 1);
}

void PopupMenu::Click(int index) {
  const Item& item = items_[static_cast<std::size_t>(index)];
  if (item.onClick) item.onClick();
}

}  // namespace kadrion::toolkit
