#include "toolkit/dialogs.h"

#include "toolkit/application.h"

namespace toolkit {

void SystemDialogs::ShowMessage(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), Application::Instance().Title().c_str(), MB_OK);
}

void SystemDialogs::ShowError(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), Application::Instance().Title().c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace toolkit
