#pragma once
// Opening addresses in the user's default browser. Behind an interface so that tests record
// the address instead of starting a browser.
#include <string>

#include "toolkit/win.h"

namespace kadrion::toolkit {

// How the window that shows an opened address comes up.
enum class OpenAs { Normal, Maximized };

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `address` with the shell's "open" verb.
  virtual void Open(const std::wstring& address, OpenAs openAs) = 0;
};

class SystemShell : public Shell {
 public:
  void Open(const std::wstring& address, OpenAs openAs) override;
};

}  // namespace kadrion::toolkit
