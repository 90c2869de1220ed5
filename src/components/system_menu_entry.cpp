#include "components/system_menu_entry.h"

#include <cstdint>

#include "components/caption_button.h"
#include "core/caption_layout.h"

namespace kadrion::components {

template <typename T>
void SystemMenuEntry::Change(T& field, T value) {
  if (field == value) return;
  Remove();
  field = std::move(value);
  Insert();
}

void SystemMenuEntry::SetApplyToMenu(bool apply) {
  Change(applyToMenu_, apply);
}
void SystemMenuEntry::SetCaption(std::wstring caption) {
  Change(caption_, std::move(caption));
}
void SystemMenuEntry::SetPosition(int position) {
  Change(position_, static_cast<int>(static_cast<std::uint16_t>(position)));
}
void SystemMenuEntry::SetSeparators(unsigned separators) {
  Change(separators_, separators);
}

void SystemMenuEntry::Insert() {
  if (!applyToMenu_) return;
  const HMENU menu = button_.SystemMenuHandle();
  if (!menu) return;
  const UINT id = button_.CommandId();
  std::wstring text = caption_.empty() ? button_.Hint() : caption_;
  auto insert = [&](int at, UINT itemId, bool separator) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
    item.fType = separator ? MFT_SEPARATOR : MFT_STRING;
    item.fState = MFS_DEFAULT;
    item.wID = itemId;
    item.dwTypeData = separator ? nullptr : text.data();
    InsertMenuItemW(menu, static_cast<UINT>(at), TRUE, &item);
  };
  int at = kadrion::core::SystemMenuInsertPosition(position_, GetMenuItemCount(menu));
  insert(at, id, false);
  if (separators_ & kBefore) {
    insert(at, id + 1000, true);  // pushes the entry one down
    ++at;
  }
  if (separators_ & kAfter) insert(at + 1, id + 2000, true);
  EnableMenuItem(menu, id, MF_BYCOMMAND | (button_.Enabled() ? MF_ENABLED : MF_GRAYED));
  inserted_ = true;
  SetChecked(false);
}

void SystemMenuEntry::Remove() {
  if (!inserted_) return;
  const HMENU menu = button_.SystemMenuHandle();
  const UINT id = button_.CommandId();
  DeleteMenu(menu, id, MF_BYCOMMAND);
  if (separators_ & kBefore) DeleteMenu(menu, id + 1000, MF_BYCOMMAND);
  if (separators_ & kAfter) DeleteMenu(menu, id + 2000, MF_BYCOMMAND);
  inserted_ = false;
}

void SystemMenuEntry::SetChecked(bool checked) {
  if (!inserted_) return;
  CheckMenuItem(button_.SystemMenuHandle(), button_.CommandId(),
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace kadrion::components
