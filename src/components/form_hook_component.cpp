#include "components/form_hook_component.h"

#include "components/hook_list.h"
#include "toolkit/error_guard.h"

namespace kadrion::components {

FormHookComponent::FormHookComponent(toolkit::Form& owner)
    : Component(owner), utility_([this](Message& message) { UtilityMessage(message); }) {
  HookList::Join(*this);
}

FormHookComponent::~FormHookComponent() {
  HookList::Leave(*this);
}

void FormHookComponent::Hook() {
  window_ = WindowToHook();
  Attach(window_);
  hooked_ = Window() != nullptr;
}

void FormHookComponent::Release() {
  Detach();
  hooked_ = false;
}

LRESULT FormHookComponent::OnSubclassMessage(UINT id, WPARAM wParam, LPARAM lParam) {
  Message message{id, wParam, lParam};
  toolkit::ErrorGuard::Current().Guard([&] { HandleMessage(message); });
  return message.result;
}

void FormHookComponent::HandleMessage(Message& message) {
  if (message.id == WM_DESTROY) {
    // One request per window, from the component that holds the form's own procedure. A form
    // whose window goes for good (it still names this window) gets none.
    HookList* list = HookList::Current();
    if (list && list->OldestOn(window_) == this && Owner().Handle() != window_)
      list->RequestRehook(window_);
  } else if (message.id == kSetStayOnTopMessage) {
    SetStacking(message.wParam != 0 ? toolkit::Stacking::StayOnTop : toolkit::Stacking::Normal);
  }
  bool handled = false;
  BeforeMessage(message, handled);
  if (!handled) message.result = CallNext(message.id, message.wParam, message.lParam);
  // A component freed meanwhile (by the message itself) is no longer in the list.
  if (HookList* list = HookList::Current(); list && list->Contains(this)) AfterMessage(message);
}

void FormHookComponent::UtilityMessage(Message& message) {
  // A hidden window never keeps the user from logging off or shutting down.
  message.result = message.id == WM_QUERYENDSESSION ? 1 : utility_.Default(message);
}

void FormHookComponent::UpdateFrame() {
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool FormHookComponent::StayOnTop() const {
  return (WindowExStyle() & WS_EX_TOPMOST) != 0;
}

void FormHookComponent::SetStacking(toolkit::Stacking stacking) {
  const bool onTop = stacking == toolkit::Stacking::StayOnTop;
  if (onTop == StayOnTop()) return;
  SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  SendMessageW(window_, kSetStayOnTopMessage, onTop, 0);
}

}  // namespace kadrion::components
