// The program runs on Windows XP; the folder picker of later systems is used when the system
// has it, so its declarations are needed here.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include "toolkit/dialogs.h"

#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cwchar>

#include "core/setting_limits.h"
#include "toolkit/error.h"

namespace kadrion::toolkit {

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

// A question box with these buttons, labelled in Polish and captioned `caption`. Owned by the
// window that asks, which is shown and enabled then (the description window asks from inside its
// close, before it hides). Under Wine's virtual desktop any box, question or not, whose whole area
// lies over a window of the program shows black, whatever its owner, and a redraw does not help; it
// draws once moved partly off those windows. Windows draws it; nothing here can change that.
Answer AskWith(HWND owner, const std::wstring& text, const std::wstring& caption, UINT buttons) {
  questionHook = SetWindowsHookExW(WH_CBT, LabelQuestionButtons, nullptr, GetCurrentThreadId());
  const int pressed = MessageBoxW(owner, text.c_str(), caption.c_str(), buttons | MB_ICONQUESTION);
  if (questionHook) UnhookWindowsHookEx(questionHook);
  questionHook = nullptr;
  return pressed == IDYES ? Answer::Yes : pressed == IDNO ? Answer::No : Answer::Cancel;
}

// The file types in the form the common dialogs take: caption, patterns, each ended by a null,
// and one more null at the end.
std::wstring FilterText(const std::vector<FileFilter>& filters) {
  std::wstring filter;
  for (const FileFilter& group : filters) {
    filter += group.caption + L'\0';
    filter += group.patterns + L'\0';
  }
  return filter + L'\0';
}

// The ending of the first filter's first pattern ("*.csv;*.txt": "csv"); empty when that
// pattern has none of its own ("*.*").
std::wstring DefaultEnding(const std::vector<FileFilter>& filters) {
  if (filters.empty()) return {};
  const std::wstring& patterns = filters.front().patterns;
  const std::wstring first = patterns.substr(0, patterns.find(L';'));
  const std::size_t dot = first.rfind(L'.');
  if (dot == std::wstring::npos) return {};
  std::wstring ending = first.substr(dot + 1);
  return ending.find_first_of(L"*?") == std::wstring::npos ? ending : std::wstring{};
}

// Room for a path the dialogs may give back (long paths included).
constexpr std::size_t kPathRoom = 32768;

// Fills `dialog` for one file; `buffer` holds the proposed name and receives the chosen path.
OPENFILENAMEW OneFileDialog(HWND owner, const std::wstring& filter, std::wstring& buffer,
                            DWORD flags) {
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  buffer.resize(kPathRoom, L'\0');
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  return dialog;
}

// A COM interface pointer that is released when it goes.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (object_) object_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  Interface* operator->() const { return object_; }
  Interface** Out() { return &object_; }
  void** OutVoid() { return reinterpret_cast<void**>(&object_); }

 private:
  Interface* object_ = nullptr;
};

// The class of the system's file dialog, spelt out: import libraries of some builds carry
// stubs in place of such ids.
constexpr CLSID kFileOpenDialog = {
    0xdc1c5a9c, 0xe88a, 0x4dde, {0xa5, 0xa1, 0x60, 0xf8, 0x2a, 0x20, 0xae, 0xf7}};

enum class Picked { Folder, Cancelled, NoPicker };

// The folder picker of Windows Vista and later.
Picked PickWithFileDialog(HWND owner, std::wstring& path) {
  ComRef<IFileOpenDialog> dialog;
  if (FAILED(CoCreateInstance(kFileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(IFileOpenDialog), dialog.OutVoid())))
    return Picked::NoPicker;
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  if (FAILED(
          dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST)))
    return Picked::NoPicker;
  // Looked up, not linked: Windows XP does not have it (nor the dialog).
  using ItemFromPath = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);
  const auto itemFromPath = reinterpret_cast<ItemFromPath>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"shell32.dll"), "SHCreateItemFromParsingName")));
  if (!path.empty() && itemFromPath) {
    ComRef<IShellItem> start;
    if (SUCCEEDED(itemFromPath(path.c_str(), nullptr, __uuidof(IShellItem), start.OutVoid())))
      dialog->SetFolder(start.operator->());
  }
  const HRESULT shown = dialog->Show(owner);
  if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return Picked::Cancelled;
  if (FAILED(shown)) return Picked::NoPicker;
  ComRef<IShellItem> item;
  if (FAILED(dialog->GetResult(item.Out()))) return Picked::Cancelled;
  wchar_t* name = nullptr;
  if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &name)) || !name)
    throw kadrion::core::Failure(L"Wybrany folder nie leży na dysku; wybierz folder na dysku.");
  path = name;
  CoTaskMemFree(name);
  return Picked::Folder;
}

// The older folder picker, for systems without the file dialog's.
bool PickWithBrowser(HWND owner, std::wstring& path) {
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = L"Wybierz folder:";
  browse.ulFlags = BIF_NEWDIALOGSTYLE | BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return false;
  wchar_t folder[MAX_PATH] = L"";
  const bool onDisk = SHGetPathFromIDListW(chosen, folder) != FALSE;
  CoTaskMemFree(chosen);
  if (!onDisk)
    throw kadrion::core::Failure(L"Wybrany folder nie leży na dysku; wybierz folder na dysku.");
  path = folder;
  return true;
}

}  // namespace

void SystemDialogs::ShowMessage(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), title_.Text().c_str(), MB_OK);
}

void SystemDialogs::ShowError(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), title_.Text().c_str(), MB_OK | MB_ICONERROR);
}

Answer SystemDialogs::Ask(HWND owner, const std::wstring& text) {
  return AskWith(owner, text, title_.Text(), MB_YESNOCANCEL);
}

Answer SystemDialogs::AskYesNo(HWND owner, const std::wstring& text) {
  return AskWith(owner, text, title_.Text(), MB_YESNO) == Answer::Yes ? Answer::Yes : Answer::No;
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
  const std::wstring filter = FilterText(filters);
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
      throw kadrion::core::Failure(L"Wybrano zbyt wiele plików naraz.");
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

bool SystemDialogs::SaveFile(HWND owner, const std::vector<FileFilter>& filters,
                             const std::wstring& folder, const std::wstring& fileName,
                             std::wstring& path) {
  const std::wstring filter = FilterText(filters);
  const std::wstring ending = DefaultEnding(filters);
  std::wstring buffer = fileName;
  OPENFILENAMEW dialog =
      OneFileDialog(owner, filter, buffer, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = ending.empty() ? nullptr : ending.c_str();
  if (!GetSaveFileNameW(&dialog)) return false;
  path = buffer.c_str();
  return true;
}

bool SystemDialogs::OpenFile(HWND owner, const std::vector<FileFilter>& filters,
                             std::wstring& path) {
  const std::wstring filter = FilterText(filters);
  std::wstring buffer;
  OPENFILENAMEW dialog =
      OneFileDialog(owner, filter, buffer, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  if (!GetOpenFileNameW(&dialog)) return false;
  path = buffer.c_str();
  return true;
}

bool SystemDialogs::PickFolder(HWND owner, std::wstring& path) {
  std::wstring picked = path;
  switch (PickWithFileDialog(owner, picked)) {
    case Picked::Folder:
      path = picked;
      return true;
    case Picked::Cancelled:
      return false;
    case Picked::NoPicker:
      break;
  }
  return PickWithBrowser(owner, path);
}

}  // namespace kadrion::toolkit
