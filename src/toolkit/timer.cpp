#include "toolkit/timer.h"

#include "toolkit/application.h"

namespace toolkit {

Timer::Timer(Application& application, unsigned intervalMs)
    : application_(application), interval_(intervalMs) {
  application_.AddTimer(this);
}

Timer::Timer(unsigned intervalMs) : Timer(Application::Instance(), intervalMs) {}

Timer::~Timer() {
  SetEnabled(false);
  application_.RemoveTimer(this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  const HWND window = application_.TimerWindow();
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
