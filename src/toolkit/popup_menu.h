#pragma once
// A context menu whose items can be hidden, shown and checked. The system menu is built anew
// from the items each time it pops up, so hidden items simply are not in it.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/handles.h"

namespace kadrion::toolkit {

class PopupMenu {
 public:
  struct Item {
    std::wstring caption;  // empty for a separator
    std::wstring keys;     // shown after the caption, as "Ctrl+E"; empty for none
    std::function<void()> onClick;
    bool visible = true;
    bool checked = false;
    bool enabled = true;
    std::function<bool()> enabledWhen = nullptr;  // when set, asked instead each time the menu pops up
    bool isDefault = false;  // shown in bold; what a double click on the menu's owner runs
    bool IsSeparator() const { return caption.empty(); }
    bool Enabled() const { return enabledWhen ? enabledWhen() : enabled; }
  };

  // Returns the index of the new item.
  int Add(std::wstring caption, std::function<void()> onClick = nullptr, std::wstring keys = L"");
  int AddSeparator() { return Add(L""); }

  Item& operator[](int index) { return items_[static_cast<std::size_t>(index)]; }
  const Item& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
  int Count() const { return static_cast<int>(items_.size()); }

  // The system menu of the visible items; an item's command id is its index + 1.
  MenuHandle Build() const;
  // Shows the menu at a screen point and runs the chosen item's handler.
  void Popup(HWND owner, POINT at);
  // Runs an item's handler as choosing it does.
  void Click(int index);

 private:
  std::vector<Item> items_;
};

}  // namespace kadrion::toolkit
