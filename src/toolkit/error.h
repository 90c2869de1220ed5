#pragma once
// Failures are exceptions carrying the text the error box shows the user.
#include <exception>
#include <string>

#include "toolkit/win.h"

namespace toolkit {

class Error : public std::exception {
 public:
  explicit Error(std::wstring message, DWORD systemCode = 0);
  const std::wstring& Message() const { return message_; }
  // The system's error code behind the failure; 0 when it did not come from the system.
  DWORD SystemCode() const { return systemCode_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::wstring message_;
  std::string utf8_;
  DWORD systemCode_;
};

// The system's own wording of an error code, without the trailing line break.
std::wstring SystemMessage(DWORD code);

// Throws "<what>\n<system text>" for `code`, the calling thread's last error by default.
[[noreturn]] void ThrowSystemError(const std::wstring& what, DWORD code = GetLastError());

}  // namespace toolkit
