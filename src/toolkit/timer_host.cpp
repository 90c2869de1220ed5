#include "toolkit/timer_host.h"

#include "toolkit/module.h"
#include "toolkit/timer.h"

namespace kadrion::toolkit {

namespace {
constexpr wchar_t kTimerWindowClass[] = L"KadrionTimers";
}  // namespace

TimerHost::TimerHost(ErrorGuard& errors) : errors_(errors) {
  static const bool registered = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = ProgramModule();
    cls.lpszClassName = kTimerWindowClass;
    return RegisterClassW(&cls) != 0;
  }();
  (void)registered;
  window_ = CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            ProgramModule(), nullptr);
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TimerHost::~TimerHost() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK TimerHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<TimerHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_TIMER && host) {
    // The timer id is the Timer's address; a timer freed meanwhile is no longer in the set.
    auto* timer = reinterpret_cast<Timer*>(wParam);
    if (host->timers_.count(timer)) host->errors_.Guard([timer] { timer->Fire(); });
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace kadrion::toolkit
