#pragma once
// Helpers for tests that drive real windows under Wine or Windows.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "components/notification_area.h"
#include "toolkit/dialogs.h"
#include "toolkit/keyboard.h"
#include "toolkit/recycle_bin.h"
#include "toolkit/shell.h"

namespace kadrion::toolkit {
class Application;
}  // namespace kadrion::toolkit

namespace kadrion::testing_support {

// Answers every modal box at once and remembers what it was asked to show.
class RecordingDialogs : public toolkit::Dialogs {
 public:
  void ShowMessage(HWND, const std::wstring& text) override { messages.push_back(text); }
  void ShowError(HWND, const std::wstring& text) override { errors.push_back(text); }
  toolkit::Answer Ask(HWND, const std::wstring& text) override {
    questions.push_back(text);
    return answer;
  }
  // Answers with `answer`, a "Cancel" there as the box's close button: "Nie".
  toolkit::Answer AskYesNo(HWND owner, const std::wstring& text) override {
    const toolkit::Answer given = Ask(owner, text);
    return given == toolkit::Answer::Cancel ? toolkit::Answer::No : given;
  }
  // The choosers record what they were preset to and answer with the chosen value, or cancel
  // when there is none.
  bool PickColor(HWND, COLORREF& color) override {
    presetColors.push_back(color);
    if (chosenColor) color = *chosenColor;
    return chosenColor.has_value();
  }
  bool PickFont(HWND, toolkit::FontInfo& font) override {
    presetFonts.push_back(font);
    if (chosenFont) font = *chosenFont;
    return chosenFont.has_value();
  }
  // The open dialog answers with `pickedFiles`, or is cancelled when there are none.
  bool OpenFiles(HWND, const std::vector<toolkit::FileFilter>& filters,
                 std::vector<std::wstring>& paths) override {
    fileFilters = filters;
    if (!pickedFiles) return false;
    paths = *pickedFiles;
    return true;
  }
  // The save and open dialogs and the folder picker record what they were given and answer
  // with `chosenPath`, or are cancelled when there is none.
  bool SaveFile(HWND, const std::vector<toolkit::FileFilter>& filters, const std::wstring& folder,
                const std::wstring& fileName, std::wstring& path) override {
    fileFilters = filters;
    proposedFolder = folder;
    proposedName = fileName;
    return AnswerPath(path);
  }
  bool OpenFile(HWND, const std::vector<toolkit::FileFilter>& filters,
                std::wstring& path) override {
    fileFilters = filters;
    return AnswerPath(path);
  }
  bool PickFolder(HWND, std::wstring& path) override {
    proposedFolder = path;
    return AnswerPath(path);
  }
  void Clear() { *this = RecordingDialogs(); }

  std::vector<std::wstring> messages;
  std::vector<std::wstring> errors;
  std::vector<std::wstring> questions;
  toolkit::Answer answer = toolkit::Answer::Cancel;
  std::vector<COLORREF> presetColors;
  std::optional<COLORREF> chosenColor;
  std::vector<toolkit::FontInfo> presetFonts;
  std::optional<toolkit::FontInfo> chosenFont;
  std::vector<toolkit::FileFilter> fileFilters;
  std::optional<std::vector<std::wstring>> pickedFiles;
  std::wstring proposedFolder;
  std::wstring proposedName;
  std::optional<std::wstring> chosenPath;

 private:
  bool AnswerPath(std::wstring& path) const {
    if (chosenPath) path = *chosenPath;
    return chosenPath.has_value();
  }
};

// Remembers the addresses it was asked to open instead of starting a browser.
class RecordingShell : public toolkit::Shell {
 public:
  struct Opened {
    std::wstring address;
    bool maximized;
    bool operator==(const Opened&) const = default;
  };
  void Open(const std::wstring& address, toolkit::OpenAs openAs) override {
    opened.push_back({address, openAs == toolkit::OpenAs::Maximized});
  }
  std::vector<Opened> opened;
};

// Takes the files away as the bin does and remembers which; a file it cannot remove stays.
class RecordingRecycleBin : public toolkit::RecycleBin {
 public:
  bool Recycle(const std::wstring& path) override {
    if (!DeleteFileW(path.c_str())) return false;
    recycled.push_back(path);
    return true;
  }
  std::vector<std::wstring> recycled;
};

// Remembers simulated key events instead of sending them to the desktop.
class RecordingKeyboard : public toolkit::Keyboard {
 public:
  struct Event {
    BYTE key;
    BYTE scanCode;
    DWORD flags;
    bool operator==(const Event&) const = default;
  };
  void SendKey(BYTE key, BYTE scanCode, DWORD flags) override {
    events.push_back({key, scanCode, flags});
  }
  std::vector<Event> events;
};

// Remembers what the program asked of the notification area.
class RecordingNotificationArea : public components::NotificationArea {
 public:
  struct Call {
    DWORD action;
    UINT flags;
    std::wstring tip;
    bool withIcon;
    bool operator==(const Call&) const = default;
  };
  void Notify(DWORD action, const NOTIFYICONDATAW& icon) override {
    calls.push_back({action, icon.uFlags, icon.szTip, icon.hIcon != nullptr});
    window = icon.hWnd;
    EXPECT_EQ(icon.uCallbackMessage, 0x3A64u);
  }
  std::vector<Call> calls;
  HWND window = nullptr;  // where the shell sends the icon's mouse messages

  // The shell reports a mouse message on the icon.
  void Mouse(UINT message) const { SendMessageW(window, 0x3A64, 0, message); }
};

// The dialogs and the shell of the test program's one Application, and the application itself.
RecordingDialogs& Dialogs();
RecordingShell& Shell();
toolkit::Application& TestApplication();

// The descendant of `window` with this control id, or null.
HWND FindChild(HWND window, int id);

// Handles every message waiting on this thread.
void Pump();
// Handles messages as they come until `done` holds; false if it still does not after `timeoutMs`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Handles messages as they come for `ms` milliseconds.
void PumpFor(int ms);

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // With its closing backslash.
  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + name; }
  // A program folder as the program expects it: "Dane" and "Opisy" beside it.
  void MakeProgramFolders() const;

 private:
  std::wstring path_;
};

std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
std::string ReadFileText(const std::wstring& path);
void WriteFileText(const std::wstring& path, const std::string& bytes);
bool Exists(const std::wstring& path);

// A raw value of an ini file as Windows-1250 bytes; "<none>" when the key is missing.
std::string IniValue(const std::wstring& path, const char* section, const char* key);

// Holds a file open without sharing, so that nobody else can open or replace it.
class FileLock {
 public:
  explicit FileLock(const std::wstring& path);
  ~FileLock();
  bool Locked() const { return file_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE file_;
};

}  // namespace kadrion::testing_support
