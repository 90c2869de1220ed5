#pragma once
// The application object: the message loop, the title, and the one routine that shows a failed
// handler's exception in the standard error box. Exactly one exists while windows live.
#include <string>
#include <unordered_set>
#include <utility>

#include "toolkit/dialogs.h"
#include "toolkit/win.h"

namespace toolkit {

class Timer;

class Application {
 public:
  // `dialogs` shows the error box.
  explicit Application(Dialogs& dialogs);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application& Instance();
  static HINSTANCE Module();

  std::wstring Title() const { return title_; }
  void SetTitle(std::wstring title) { title_ = std::move(title); }

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

  // Runs the message loop until the main window closes; returns the exit code.
  int Run();
  // Handles every message already waiting, then returns. False once WM_QUIT was seen.
  bool ProcessMessages();

  // Timers post to one hidden window of the application.
  HWND TimerWindow() const { return timerWindow_; }
  void AddTimer(Timer* timer) { timers_.insert(timer); }
  void RemoveTimer(Timer* timer) { timers_.erase(timer); }

 private:
  static LRESULT CALLBACK TimerWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Dispatch(MSG& msg);

  Dialogs& dialogs_;
  std::wstring title_;
  HWND timerWindow_ = nullptr;
  bool comInitialized_ = false;
  std::unordered_set<Timer*> timers_;
};

}  // namespace toolkit
