#include "toolkit/dialogs.h"

#include <cderr.h>
#include <commdlg.h>

#include <cwchar>

#include "core/setting_limits.h"
#include "toolkit/application.h"
#include "toolkit/error.h"

namespace toolkit {

namespace {

// The message box labels its buttons in the system's language; the program speaks Polish
// whatever the system, so the question box gets its labels while it is being activated.
thread_local HHOOK questionHook = nullptr;

LRESULT CALLBACK LabelQuestionButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    SetDlgItemTextW(box, IDYES, L"&Tak");
    SetDlgItemTextW(box, IDNO, L"&Nie");
    SetDlgItemTextW(box, IDCANCEL, L"Anuluj");
  }
  return CallNextHookEx(questionHook, code, wParam, lParam);
}

// Every box carries the program's title.
const wchar_t* BoxCaption() {
  return Application::Instance().Title().c_str();
}

// A question box with these buttons, labelled in Polish.
Answer AskWith(HWND owner, const std::wstring& text, UINT buttons) {
  questionHook = SetWindowsHookExW(WH_CBT, LabelQuestionButtons, nullptr, GetCurrentThreadId());
  const int pressed = MessageBoxW(owner, text.c_str(), BoxCaption(), buttons | MB_ICONQUESTION);
  if (questionHook) UnhookWindowsHookEx(questionHook);
  questionHook = nullptr;
  return pressed == IDYES ? Answer::Yes : pressed == IDNO ? Answer::No : Answer::Cancel;
}

}  // namespace

void SystemDialogs::ShowMessage(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), BoxCaption(), MB_OK);
}

void SystemDialogs::ShowError(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), BoxCaption(), MB_OK | MB_ICONERROR);
}

Answer SystemDialogs::Ask(HWND owner, const std::wstring& text) {
  return AskWith(owner, text, MB_YESNOCANCEL);
}

Answer SystemDialogs::AskYesNo(HWND owner, const std::wstring& text) {
  return AskWith(owner, text, MB_YESNO) == Answer::Yes ? Answer::Yes : Answer::No;
}

bool SystemDialogs::PickColor(HWND owner, COLORREF& color) {
  CHOOSECOLORW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = owner;
  chooser.rgbResult = color;
  chooser.lpCustColors = customColors_;
  chooser.Flags = CC_RGBINIT | CC_ANYCOLOR;
  if (!ChooseColorW(&chooser)) return false;
  color = chooser.rgbResult;
  return true;
}

bool SystemDialogs::PickFont(HWND owner, FontInfo& font) {
  LOGFONTW chosen = ToLogFont(font);
  CHOOSEFONTW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = owner;
  chooser.lpLogFont = &chosen;
  chooser.rgbColors = font.color;
  // Only the sizes the settings file takes back at the next start.
  chooser.nSizeMin = kadrion::core::kFontSizes.low;
  chooser.nSizeMax = kadrion::core::kFontSizes.high;
  chooser.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
  if (!ChooseFontW(&chooser)) return false;
  font = FromLogFont(chosen, chooser.rgbColors);
  // The dialog knows the size the user picked; the height rounds it on odd screens.
  if (chooser.iPointSize > 0) font.size = (chooser.iPointSize + 5) / 10;
  return true;
}

bool SystemDialogs::OpenFiles(HWND owner, const std::vector<FileFilter>& filters,
                              std::vector<std::wstring>& paths) {
  std::wstring filter;
  for (const FileFilter& group : filters) {
    filter += group.caption + L'\0';
    filter += group.patterns + L'\0';
  }
  filter += L'\0';
  // Room for a few thousand picked names; the dialog reports when that is not enough.
  std::wstring buffer(1 << 18, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags =
      OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
      throw Error(L"Wybrano zbyt wiele plików naraz.");
    return false;
  }
  // One file: its full path. Several: the folder, then the names, each ended by a null.
  paths.clear();
  const wchar_t* part = buffer.c_str();
  const std::wstring first = part;
  part += first.size() + 1;
  if (!*part) {
    paths.push_back(first);
    return true;
  }
  const std::wstring folder = first.back() == L'\\' ? first : first + L'\\';
  for (; *part; part += std::wcslen(part) + 1) paths.push_back(folder + part);
  return true;
}

}  // namespace toolkit
