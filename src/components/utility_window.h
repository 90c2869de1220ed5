#pragma once
// A hidden top-level window of a component's own, for posted requests, timers and the shell's
// notifications. Top-level so that it also receives what the system broadcasts (the end of
// the session, a new taskbar); never shown.
#include <functional>

#include "components/message.h"

namespace kadrion::components {

class UtilityWindow {
 public:
  // `procedure` gets every message; an exception it raises is shown in the error box and the
  // message answers with the result written so far.
  explicit UtilityWindow(std::function<void(Message&)> procedure);
  ~UtilityWindow();
  UtilityWindow(const UtilityWindow&) = delete;
  UtilityWindow& operator=(const UtilityWindow&) = delete;

  HWND Handle() const { return handle_; }
  // The system's default handling of a message to this window.
  LRESULT Default(const Message& message) const {
    return DefWindowProcW(handle_, message.id, message.wParam, message.lParam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam);
  std::function<void(Message&)> procedure_;
  HWND handle_ = nullptr;
};

}  // namespace kadrion::components
