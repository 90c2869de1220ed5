#pragma once
// A timer with a millisecond interval that calls `onTimer` on the GUI thread while enabled.
#include <functional>

namespace toolkit {

class Application;

class Timer {
 public:
  // `application` posts the timer's ticks and shows an error its handler raises; it outlives
  // the timer.
  Timer(Application& application, unsigned intervalMs);
  // On the program's one application.
  explicit Timer(unsigned intervalMs = 1000);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // Enabling a running timer does not restart its interval.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

  std::function<void()> onTimer;
  void Fire();

 private:
  Application& application_;
  unsigned interval_;
  bool enabled_ = false;
};

}  // namespace toolkit
