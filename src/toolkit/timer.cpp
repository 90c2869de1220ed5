#include "toolkit/timer.h"

#include "toolkit/timer_host.h"

namespace kadrion::toolkit {

Timer::Timer(TimerHost& host, unsigned intervalMs) : host_(host), interval_(intervalMs) {
  host_.Add(this);
}

Timer::~Timer() {
  SetEnabled(false);
  host_.Remove(this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  const HWND window = host_.Window();
  const auto id = reinterpret_cast<UINT_PTR>(this);
  if (enabled)
    SetTimer(window, id, interval_, nullptr);
  else
    KillTimer(window, id);
}

void Timer::Fire() {
  if (enabled_ && onTimer) onTimer();
}

}  // namespace kadrion::toolkit
