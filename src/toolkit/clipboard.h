#pragma once
// Plain text on the clipboard, always as UTF-16 so that Polish letters survive.
#include <string>

#include "toolkit/win.h"

namespace kadrion::toolkit {

// Empty when the clipboard holds no text.
std::wstring ClipboardText(HWND owner);
void SetClipboardText(HWND owner, const std::wstring& text);

}  // namespace kadrion::toolkit
