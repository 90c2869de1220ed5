#pragma once
// A component that watches and changes the messages of its owner form's window. Any number of
// them sit on one window: the newest sees a message first and passes it on to the next older
// one, the oldest to the form's own procedure. So BeforeMessage runs newest first, the form
// handles the message, and AfterMessage runs oldest first. When the form's window is recreated
// (switching it to stay on top does), every component of it is attached to the new window
// again, in the order they came, once the new window exists.
#include "components/component.h"
#include "components/message.h"
#include "components/utility_window.h"
#include "toolkit/window_subclass.h"

namespace kadrion::components {

class HookList;

class FormHookComponent : public Component, private toolkit::WindowSubclass {
 public:
  explicit FormHookComponent(toolkit::Form& owner);
  ~FormHookComponent() override;

  // The window the component is attached to (still the old one while it is being recreated).
  HWND HookedWindow() const { return window_; }
  bool Hooked() const { return hooked_; }
  // The component's own hidden window.
  HWND UtilityWindowHandle() const { return utility_.Handle(); }

  // The form window's WS_EX_TOPMOST. Setting it changes the window in place and tells every
  // component of the window (each finds it already done).
  bool StayOnTop() const;
  void SetStacking(toolkit::Stacking stacking);

 protected:
  // Before the older part of the chain: setting `handled` keeps the message from the older
  // components and from the form; AfterMessage of this and the newer ones still runs.
  virtual void BeforeMessage(Message& /*message*/, bool& /*handled*/) {}
  // After the older part of the chain; its result is in `message`.
  virtual void AfterMessage(Message& /*message*/) {}
  // The component is on the form's new window after it was recreated.
  virtual void Rehooked() {}
  // Messages of the utility window. By default the end of the session is allowed.
  virtual void UtilityMessage(Message& message);
  // The window to attach to: the owner form's.
  virtual HWND WindowToHook() const { return Owner().Handle(); }

  HMENU SystemMenuHandle() const { return GetSystemMenu(window_, FALSE); }
  LONG_PTR WindowStyle() const { return GetWindowLongPtrW(window_, GWL_STYLE); }
  LONG_PTR WindowExStyle() const { return GetWindowLongPtrW(window_, GWL_EXSTYLE); }
  // Makes the system measure and paint the window's frame and caption again.
  void UpdateFrame();
  const UtilityWindow& Utility() const { return utility_; }

 private:
  friend class HookList;
  LRESULT OnSubclassMessage(UINT id, WPARAM wParam, LPARAM lParam) override;
  void HandleMessage(Message& message);
  // Attaches to WindowToHook(), in front of the components already there.
  void Hook();
  // Leaves the window; its other components stay linked.
  void Release();

  HWND window_ = nullptr;
  bool hooked_ = false;
  UtilityWindow utility_;
};

}  // namespace kadrion::components
