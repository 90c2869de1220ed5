// Handing the description to an external speech reader: the text goes to the clipboard and
// the reader is told with global key chords, Ctrl+Shift+D to read and Ctrl+Shift+S to stop.
// The button's caption is the whole state; the steps are 5 ms apart on timers so that the
// reader sees the keys as separate presses.
#include "toolkit/clipboard.h"
#include "windows/description_window.h"

namespace kadrion {

namespace {
constexpr wchar_t kReaderIdle[] = L"Lektor start";
constexpr wchar_t kReaderStarted[] = L"Lektor stop";
constexpr BYTE kScanCode = 0x45;
constexpr BYTE kRead = 0x44;  // "D"
constexpr BYTE kStop = 0x53;  // "S"
}  // namespace

void TForm2::SendKey(BYTE key, bool release) {
  keyboard_.SendKey(key, kScanCode, KEYEVENTF_EXTENDEDKEY | (release ? KEYEVENTF_KEYUP : 0));
}

void TForm2::SendChord(BYTE letter) {
  SendKey(VK_LCONTROL, true);
  SendKey(VK_LCONTROL, false);
  SendKey(VK_LSHIFT, true);
  SendKey(VK_LSHIFT, false);
  SendKey(letter, false);
  SendKey(letter, true);
}

void TForm2::ReleaseModifiers() {
  SendKey(VK_LCONTROL, true);
  SendKey(VK_LCONTROL, true);
  SendKey(VK_LSHIFT, true);
  SendKey(VK_LSHIFT, true);
}

void TForm2::lekClick() {
  if (lek.WText() == kReaderStarted) {
    SendChord(kStop);
    ls.SetEnabled(true);
  }
  // The caption changes only when the stop step ends, so a stop click ends here.
  if (lek.WText() == kReaderIdle) {
    toolkit::SetClipboardText(Handle(), Op.WText());
    Le.SetEnabled(true);
  }
}

void TForm2::LeTimer() {
  SendChord(kRead);
  led.SetEnabled(true);
  Le.SetEnabled(false);
}

void TForm2::ledTimer() {
  ReleaseModifiers();
  lek.SetWText(kReaderStarted);
  led.SetEnabled(false);
}

void TForm2::lsTimer() {
  ReleaseModifiers();
  lek.SetWText(kReaderIdle);
  ls.SetEnabled(false);
}

}  // namespace kadrion
