#pragma once
// A timer with a millisecond interval that calls `onTimer` on the GUI thread while enabled.
#include <functional>

namespace kadrion::toolkit {

class TimerHost;

class Timer {
 public:
  // `host` receives the timer's ticks and shows an error its handler raises; it outlives the
  // timer.
  Timer(TimerHost& host, unsigned intervalMs);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // Enabling a running timer does not restart its interval.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

  std::function<void()> onTimer;
  void Fire();

 private:
  TimerHost& host_;
  unsigned interval_;
  bool enabled_ = false;
};

}  // namespace kadrion::toolkit
