#include "features/description/speech_reader.h"

#include "toolkit/clipboard.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kStartCaption[] = L"Lektor start";
constexpr wchar_t kStopCaption[] = L"Lektor stop";
constexpr BYTE kScanCode = 0x45;
constexpr BYTE kRead = 0x44;  // "D"
constexpr BYTE kStop = 0x53;  // "S"
constexpr unsigned kStepMs = 5;
using enum toolkit::KeyMotion;
}  // namespace

SpeechReader::SpeechReader(toolkit::TimerHost& timers, toolkit::Keyboard& keyboard,
                           toolkit::Button& button, std::function<std::wstring()> text)
    : keyboard_(keyboard),
      button_(button),
      text_(std::move(text)),
      readChord_(timers, kStepMs),
      readDone_(timers, kStepMs),
      stopDone_(timers, kStepMs) {
  readChord_.onTimer = [this] {
    SendChord(kRead);
    readDone_.SetEnabled(true);
    readChord_.SetEnabled(false);
  };
  readDone_.onTimer = [this] {
    ReleaseModifiers();
    reading_ = true;
    button_.SetWText(kStopCaption);
    readDone_.SetEnabled(false);
  };
  stopDone_.onTimer = [this] {
    ReleaseModifiers();
    reading_ = false;
    button_.SetWText(kStartCaption);
    stopDone_.SetEnabled(false);
  };
}

void SpeechReader::SendKey(BYTE key, toolkit::KeyMotion motion) {
  keyboard_.SendKey(key, kScanCode, KEYEVENTF_EXTENDEDKEY | (motion == Up ? KEYEVENTF_KEYUP : 0));
}

void SpeechReader::SendChord(BYTE letter) {
  SendKey(VK_LCONTROL, Up);
  SendKey(VK_LCONTROL, Down);
  SendKey(VK_LSHIFT, Up);
  SendKey(VK_LSHIFT, Down);
  SendKey(letter, Down);
  SendKey(letter, Up);
}

void SpeechReader::ReleaseModifiers() {
  SendKey(VK_LCONTROL, Up);
  SendKey(VK_LCONTROL, Up);
  SendKey(VK_LSHIFT, Up);
  SendKey(VK_LSHIFT, Up);
}

void SpeechReader::Toggle() {
  // Until the stop step has ended the reader counts as reading, so a second stop click sends
  // the stop chord again and never starts it.
  if (reading_) {
    SendChord(kStop);
    stopDone_.SetEnabled(true);
    return;
  }
  toolkit::SetClipboardText(button_.Handle(), text_());
  readChord_.SetEnabled(true);
}

}  // namespace kadrion::features
