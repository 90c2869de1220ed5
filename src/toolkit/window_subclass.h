#pragma once
// Watching and changing the messages of a window this code did not make: a system control,
// or a form that several pieces of the program watch at once. Built on the system's
// SetWindowSubclass, with the instance as its own data, so any number of subclasses can sit
// on one window: the newest sees a message first and passes it on to the next older one, the
// oldest to the window's own procedure. One that leaves keeps the others linked; when the
// last one leaves, the window has its own procedure back.
#include "toolkit/win.h"

namespace kadrion::toolkit {

class WindowSubclass {
 public:
  WindowSubclass() = default;
  virtual ~WindowSubclass();
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Puts this subclass in front of `window`'s procedure and of the subclasses already on it;
  // leaves an earlier window first.
  void Attach(HWND window);
  void Detach();
  HWND Window() const { return window_; }

 protected:
  // Every message of the window. Pass it on with CallNext (or answer it without doing so).
  // An exception is shown in the application's error box and the message answers 0.
  virtual LRESULT OnSubclassMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT CallNext(UINT message, WPARAM wParam, LPARAM lParam);
  // The window is going away (WM_NCDESTROY): the subclass has already left it.
  virtual void OnWindowDestroyed(HWND /*window*/) {}

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data);
  HWND window_ = nullptr;
};

}  // namespace kadrion::toolkit
