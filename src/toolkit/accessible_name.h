#pragma once
// The name a screen reader announces for a control. The system makes it up from the caption
// or, for a field, from the nearest label before it, which is wrong for several controls of
// the program's windows (two fields after one label, a button captioned with a letter). The
// control answers the screen reader's WM_GETOBJECT with the system's own accessible object,
// wrapped so that only the name of the control itself is its own; everything else, its
// children included, is the system's answer.
#include <string>

#include "toolkit/window_subclass.h"

namespace kadrion::toolkit {

class AccessibleName : private WindowSubclass {
 public:
  void Attach(HWND control, std::wstring name);
  std::wstring Name() const { return name_; }

 private:
  LRESULT OnSubclassMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::wstring name_;
};

}  // namespace kadrion::toolkit
