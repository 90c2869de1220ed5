#include "toolkit/window_subclass.h"

#include "toolkit/error_guard.h"

namespace kadrion::toolkit {

WindowSubclass::~WindowSubclass() {
  Detach();
}

void WindowSubclass::Attach(HWND window) {
  Detach();
  // The instance's address tells its subclass apart from the others of the same procedure.
  if (SetWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this),
                        reinterpret_cast<DWORD_PTR>(this)))
    window_ = window;
}

void WindowSubclass::Detach() {
  if (!window_) return;
  RemoveWindowSubclass(window_, Procedure, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

LRESULT WindowSubclass::CallNext(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowSubclass*>(data);
  ErrorGuard& errors = ErrorGuard::Current();
  LRESULT result = 0;
  errors.Guard([&] { result = self->OnSubclassMessage(message, wParam, lParam); });
  if (message == WM_NCDESTROY && self->window_ == window) {
    // The system does not take subclasses off a destroyed window by itself.
    self->Detach();
    errors.Guard([&] { self->OnWindowDestroyed(window); });
  }
  return result;
}

}  // namespace kadrion::toolkit
