#include "toolkit/application.h"

#include <objbase.h>

#include <cassert>

#include "toolkit/control.h"
#include "toolkit/error.h"
#include "toolkit/form.h"
#include "toolkit/text.h"
#include "toolkit/timer.h"

namespace toolkit {

namespace {
Application* current = nullptr;
constexpr wchar_t kTimerWindowClass[] = L"KadrionTimers";
}  // namespace

Application::Application(Dialogs& dialogs) : dialogs_(dialogs) {
  assert(!current);
  current = this;
  // Screen readers get the controls' accessible objects through COM (see accessible_name.h).
  comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                      ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSW cls{};
  cls.lpfnWndProc = TimerWindowProc;
  cls.hInstance = Module();
  cls.lpszClassName = kTimerWindowClass;
  RegisterClassW(&cls);
  timerWindow_ = CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 Module(), nullptr);
}

Application::~Application() {
  if (timerWindow_) DestroyWindow(timerWindow_);
  if (comInitialized_) CoUninitialize();
  current = nullptr;
}

Application& Application::Instance() {
  assert(current);
  return *current;
}

HINSTANCE Application::Module() {
  return GetModuleHandleW(nullptr);
}

void Application::ShowCurrentException() noexcept {
  try {
    std::wstring text;
    try {
      throw;
    } catch (const Error& e) {
      text = e.Message();
    } catch (const std::exception& e) {
      text = FromUtf8(e.what());
    } catch (...) {
      text = L"Nieznany błąd.";
    }
    dialogs_.ShowError(GetActiveWindow(), text);
  } catch (...) {
    // The error box itself failed: nothing sensible is left to report it with.
  }
}

void Application::Dispatch(MSG& msg) {
  // Tab and the arrow keys move the focus between controls of a form as in a dialog box.
  if (msg.hwnd) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (auto* form = dynamic_cast<Form*>(Control::FromHandle(root))) {
      bool handled = false;
      Guard([&] { handled = form->HandleKey(msg); });
      if (handled || IsDialogMessageW(root, &msg)) return;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int Application::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

bool Application::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return false;
    Dispatch(msg);
  }
  return true;
}

LRESULT CALLBACK Application::TimerWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_TIMER && current) {
    // The timer id is the Timer's address; a timer freed meanwhile is no longer in the set.
    auto* timer = reinterpret_cast<Timer*>(wParam);
    if (current->timers_.count(timer)) current->Guard([timer] { timer->Fire(); });
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace toolkit
