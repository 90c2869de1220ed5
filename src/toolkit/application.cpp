#include "toolkit/application.h"

#include <objbase.h>

#include "toolkit/control.h"
#include "toolkit/form.h"

namespace kadrion::toolkit {

Application::Application(ProgramTitle& title, Dialogs& dialogs)
    : title_(title), errors_(dialogs), timers_(errors_) {
  // Screen readers get the controls' accessible objects through COM (see accessible_name.h).
  comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                      ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

Application::~Application() {
  if (comInitialized_) CoUninitialize();
}

void Application::Dispatch(MSG& msg) {
  // Tab and the arrow keys move the focus between controls of a form as in a dialog box.
  if (msg.hwnd) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (auto* form = dynamic_cast<Form*>(Control::FromHandle(root))) {
      bool handled = false;
      errors_.Guard([&] { handled = form->HandleKey(msg); });
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

}  // namespace kadrion::toolkit
