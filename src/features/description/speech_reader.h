#pragma once
// Handing a text to an external speech reader: the text goes to the clipboard and the reader
// is told with global key chords, Ctrl+Shift+D to read and Ctrl+Shift+S to stop. The steps are
// 5 ms apart on timers, so that the reader sees the keys as separate presses. The button says
// "Lektor start" until the reader was told to read, then "Lektor stop".
#include <functional>
#include <string>

#include "toolkit/controls.h"
#include "toolkit/keyboard.h"
#include "toolkit/timer.h"
#include "toolkit/timer_host.h"

namespace kadrion::features {

class SpeechReader {
 public:
  // `text` gives the text to read when the reader is started; `timers` runs the steps' timers
  // and outlives the reader.
  SpeechReader(toolkit::TimerHost& timers, toolkit::Keyboard& keyboard, toolkit::Button& button,
               std::function<std::wstring()> text);

  // The button: starts the reader, or stops it once it was told to read.
  void Toggle();
  bool Reading() const { return reading_; }

 private:
  void SendKey(BYTE key, toolkit::KeyMotion motion);
  void SendChord(BYTE letter);
  void ReleaseModifiers();

  toolkit::Keyboard& keyboard_;
  toolkit::Button& button_;
  std::function<std::wstring()> text_;
  bool reading_ = false;  // told to read and not yet told to stop to the end
  toolkit::Timer readChord_, readDone_, stopDone_;
};

}  // namespace kadrion::features
