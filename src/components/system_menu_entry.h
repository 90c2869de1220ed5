#pragma once
// A caption button's entry in its window's system menu, optionally between separators. The
// entry's command is the button's command id; the separators take that id + 1000 (before) and
// + 2000 (after).
#include <string>

#include "toolkit/win.h"

namespace kadrion::components {

class CaptionButton;

class SystemMenuEntry {
 public:
  enum Separators : unsigned { kNone = 0, kBefore = 1, kAfter = 2 };

  explicit SystemMenuEntry(CaptionButton& button) : button_(button) {}
  ~SystemMenuEntry() { Remove(); }
  SystemMenuEntry(const SystemMenuEntry&) = delete;
  SystemMenuEntry& operator=(const SystemMenuEntry&) = delete;

  // Each change takes the entry out and puts it back as it now should be.
  bool ApplyToMenu() const { return applyToMenu_; }
  void SetApplyToMenu(bool apply);
  // Empty: the button's hint.
  std::wstring Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  // From 0; past the end of the menu means at its end.
  int Position() const { return position_; }
  void SetPosition(int position);
  unsigned SeparatorSet() const { return separators_; }
  void SetSeparators(unsigned separators);

  void Insert();
  void Remove();
  void Reapply() {
    Remove();
    Insert();
  }
  void SetChecked(bool checked);
  bool Inserted() const { return inserted_; }

 private:
  template <typename T>
  void Change(T& field, T value);

  CaptionButton& button_;
  bool applyToMenu_ = false;
  std::wstring caption_;
  int position_ = 0;
  unsigned separators_ = kNone;
  bool inserted_ = false;
};

}  // namespace kadrion::components
