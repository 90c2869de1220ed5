#include "components/utility_window.h"

#include "toolkit/error.h"
#include "toolkit/error_guard.h"
#include "toolkit/module.h"

namespace kadrion::components {

namespace {
constexpr wchar_t kClassName[] = L"KadrionComponentWindow";

void RegisterOnce() {
  static const ATOM registered = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = toolkit::ProgramModule();
    cls.lpszClassName = kClassName;
    return RegisterClassW(&cls);
  }();
  (void)registered;
}
}  // namespace

UtilityWindow::UtilityWindow(std::function<void(Message&)> procedure)
    : procedure_(std::move(procedure)) {
  RegisterOnce();
  handle_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            toolkit::ProgramModule(), nullptr);
  if (!handle_) toolkit::ThrowSystemError(L"Nie można utworzyć okna pomocniczego.");
  // Bound after creation: what creating it sends needs nothing but the default handling.
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

UtilityWindow::~UtilityWindow() {
  if (handle_) DestroyWindow(handle_);
}

LRESULT CALLBACK UtilityWindow::Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<UtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || id == WM_NCDESTROY) {
    if (self) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, id, wParam, lParam);
  }
  Message message{id, wParam, lParam};
  toolkit::ErrorGuard::Current().Guard([&] { self->procedure_(message); });
  return message.result;
}

}  // namespace kadrion::components
