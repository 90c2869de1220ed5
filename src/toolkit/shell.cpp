#include "toolkit/shell.h"

#include <shellapi.h>

namespace kadrion::toolkit {

void SystemShell::Open(const std::wstring& address, OpenAs openAs) {
  // The browser reports its own failures; there is nothing useful to add here.
  ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr,
                openAs == OpenAs::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

}  // namespace kadrion::toolkit
