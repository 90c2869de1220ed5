#include "toolkit/timer.h"

#include "toolkit/application.h"

namespace toolkit {

Timer::Timer(unsigned intervalMs) : interval_(intervalMs) {
  Application::Instance().AddTimer(this);
}

Timer::~Timer() {
  SetEnabled(false);
  Application::Instance().RemoveTimer(this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  const HWND window = Application::Instance().TimerWindow();
  const auto id = reinterpret_cast<UINT_PTR>(this);
  if (enabled)
    SetTimer(window, id, interval_, nullptr);
  else
    KillTimer(window, id);
}

void Timer::Fire() {
  if (enabled_ && onTimer) onTimer();
}

}  // namespace toolkit
