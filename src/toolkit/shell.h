#pragma once
// Opening addresses in the user's default browser. Behind an interface so that tests record
// the address instead of starting a browser.
#include <string>

#include "toolkit/win.h"

namespace toolkit {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `address` with the shell's "open" verb; `maximized` asks for a maximised window.
  virtual void Open(const std::wstring& address, bool maximized) = 0;
};

class SystemShell : public Shell {
 public:
  void Open(const std::wstring& address, bool maximized) override;
};

}  // namespace toolkit
