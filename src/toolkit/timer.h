#pragma once
// A timer with a millisecond interval that calls `onTimer` on the GUI thread while enabled.
#include <functional>

namespace toolkit {

class Timer {
 public:
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
  unsigned interval_;
  bool enabled_ = false;
};

}  // namespace toolkit
