#pragma once
// The hidden window every Timer's ticks come to; it runs each tick's handler under the error
// guard. It outlives its timers.
#include <unordered_set>

#include "toolkit/error_guard.h"
#include "toolkit/win.h"

namespace kadrion::toolkit {

class Timer;

class TimerHost {
 public:
  // `errors` shows an error a tick's handler raises.
  explicit TimerHost(ErrorGuard& errors);
  ~TimerHost();
  TimerHost(const TimerHost&) = delete;
  TimerHost& operator=(const TimerHost&) = delete;

 private:
  friend class Timer;
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  HWND Window() const { return window_; }
  void Add(Timer* timer) { timers_.insert(timer); }
  void Remove(Timer* timer) { timers_.erase(timer); }

  ErrorGuard& errors_;
  HWND window_ = nullptr;
  std::unordered_set<Timer*> timers_;
};

}  // namespace kadrion::toolkit
