#include "toolkit/clipboard.h"

#include <algorithm>
#include <cstring>

namespace kadrion::toolkit {

namespace {
// Another program may hold the clipboard for a moment: try a few times.
bool Open(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}
}  // namespace

std::wstring ClipboardText(HWND owner) {
  if (!Open(owner)) return {};
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Another program's text need not end in a NUL: never read past its memory block.
      const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
      text.assign(chars, std::find(chars, chars + capacity, L'\0'));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(HWND owner, const std::wstring& text) {
  if (!Open(owner)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(data), text.c_str(), bytes);
    GlobalUnlock(data);
    if (!SetClipboardData(CF_UNICODETEXT, data)) GlobalFree(data);
  }
  CloseClipboard();
}

}  // namespace kadrion::toolkit
