#pragma once
// The window that shows how far long work got: its caption, the count so far, a progress bar
// (a moving one while the total is not known) and "Anuluj", which Esc and the close box also
// press. A modeless window owned by the window the work is for, which stays usable.
#include <cstddef>
#include <functional>
#include <string>

#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace kadrion::toolkit {

struct ProgressTexts;

// The window class outside tools (and tests) find the window by.
inline constexpr wchar_t kProgressWindowClass[] = L"KadrionProgress";

// "12 345": a count with a space between thousands.
std::wstring GroupedCount(std::size_t count);

class ProgressBar : public Control {
 public:
  void Create(Container& parent, int id, RECT bounds);
  // `done` of `total`; a total of 0 makes the bar move without telling how far.
  void Show(std::size_t done, std::size_t total);

 private:
  bool marquee_ = false;
};

class ProgressWindow : public Form {
 public:
  // `onCancel` runs when the user asks to stop; the window then says so until it goes away.
  ProgressWindow(HWND owner, const ProgressTexts& texts, std::function<void()> onCancel);

  void Update(std::size_t done, std::size_t total);
  bool Cancelling() const { return cancelling_; }

 private:
  void RequestCancel();
  void CentreOver(HWND owner);

  std::wstring countLabel_;
  std::function<void()> onCancel_;
  bool cancelling_ = false;
  Label count_;
  ProgressBar bar_;
  Button cancel_;
};

}  // namespace kadrion::toolkit
