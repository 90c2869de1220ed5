#pragma once
// Key presses put into the system's input stream, as if typed; other programs see them too.
// Behind an interface so that tests record them instead of pressing keys on the desktop.
#include "toolkit/win.h"

namespace kadrion::toolkit {

// Which way a key goes in one key event.
enum class KeyMotion { Down, Up };

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // One key event: `flags` as keybd_event takes them (KEYEVENTF_KEYUP for a release).
  virtual void SendKey(BYTE virtualKey, BYTE scanCode, DWORD flags) = 0;
};

class SystemKeyboard : public Keyboard {
 public:
  void SendKey(BYTE virtualKey, BYTE scanCode, DWORD flags) override {
    keybd_event(virtualKey, scanCode, flags, 0);
  }
};

}  // namespace kadrion::toolkit
