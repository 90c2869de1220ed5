#pragma once
// Every caption button of the process, one ordered list per window (the first sits rightmost),
// the identifiers the buttons take, and the one tooltip window they share. Made by the first
// button, freed with the tooltip window when the last one leaves.
#include <vector>

#include "toolkit/win.h"

namespace kadrion::components {

class CaptionButton;

class CaptionButtonRegistry {
 public:
  static CaptionButtonRegistry* Current();
  static CaptionButtonRegistry& Obtain();
  static void FreeIfEmpty();
  ~CaptionButtonRegistry();

  // The buttons of the button's window, in order, or null when the button is not filed.
  std::vector<CaptionButton*>* ListHolding(const CaptionButton& button);
  // Its index there, or -1.
  int IndexOf(const CaptionButton& button) const;
  // Appends the button to its window's list unless it is there.
  void Add(CaptionButton& button);
  // Takes it out; a window's list goes with its last button.
  void Remove(const CaptionButton& button);
  // Files the list holding the button under the window the button is on now (after its
  // window was recreated).
  void Follow(const CaptionButton& button);

  // A button's hit-test code, system-menu command and the base of its separators' ids.
  UINT NextCommandId() { return nextCommandId_++; }
  UINT_PTR NextToolId() { return nextToolId_++; }
  // The shared tooltip window, or null when it could not be made (buttons then have none).
  HWND Tooltips() const { return tooltips_; }

 private:
  CaptionButtonRegistry();
  struct WindowButtons {
    HWND window;
    std::vector<CaptionButton*> buttons;
  };
  WindowButtons* Holding(const CaptionButton& button);
  std::vector<CaptionButton*>& ListOf(HWND window);

  std::vector<WindowButtons> lists_;
  UINT nextCommandId_ = 5734;
  UINT_PTR nextToolId_ = 0;
  HWND tooltips_ = nullptr;
};

}  // namespace kadrion::components
