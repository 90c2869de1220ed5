#pragma once
// Modal boxes the program shows. Everything modal goes through this interface so that tests
// can answer it without a window blocking them.
#include <string>

#include "toolkit/win.h"

namespace toolkit {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message with one OK button.
  virtual void ShowMessage(HWND owner, const std::wstring& text) = 0;
  // The standard error box of the application.
  virtual void ShowError(HWND owner, const std::wstring& text) = 0;
};

// The real boxes, captioned with the application's title.
class SystemDialogs : public Dialogs {
 public:
  void ShowMessage(HWND owner, const std::wstring& text) override;
  void ShowError(HWND owner, const std::wstring& text) override;
};

}  // namespace toolkit
