#pragma once
// The program's title, which every box and the tray icon's tip carry. Empty until the main
// window sets it.
#include <string>
#include <utility>

namespace kadrion::toolkit {

class ProgramTitle {
 public:
  std::wstring Text() const { return text_; }
  void Set(std::wstring text) { text_ = std::move(text); }

 private:
  std::wstring text_;
};

}  // namespace kadrion::toolkit
