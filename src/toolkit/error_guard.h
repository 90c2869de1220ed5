#pragma once
// The program's one way of failing: a handler's exception is shown in the standard error box
// and the rest of the handler is abandoned; nothing propagates into the system. Exactly one
// guard exists while windows live.
#include <utility>

#include "toolkit/dialogs.h"

namespace kadrion::toolkit {

class ErrorGuard {
 public:
  // `dialogs` shows the error box.
  explicit ErrorGuard(Dialogs& dialogs);
  ~ErrorGuard();
  ErrorGuard(const ErrorGuard&) = delete;
  ErrorGuard& operator=(const ErrorGuard&) = delete;

  // The guard of the running program, only for the code the system calls with nothing but a
  // window to go by: the window procedures of Container (Container::Trampoline, and Form::Show
  // for its first-show handler), WindowSubclass::Procedure, components::UtilityWindow and
  // components::FormHookComponent. Everything else is handed its guard.
  static ErrorGuard& Current();

  // Runs a handler. An exception it raises is shown in the error box and the rest of the
  // handler is abandoned; nothing propagates. Returns false when the handler failed.
  template <typename Handler>
  bool Guard(Handler&& handler) noexcept {
    try {
      std::forward<Handler>(handler)();
      return true;
    } catch (...) {
      ShowCurrentException();
      return false;
    }
  }
  // Shows the exception being handled; call only inside a catch block.
  void ShowCurrentException() noexcept;

 private:
  Dialogs& dialogs_;
};

}  // namespace kadrion::toolkit
