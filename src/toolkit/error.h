#pragma once
// Failures are exceptions carrying the text the error box shows the user.
#include <string>

#include "core/failure.h"
#include "toolkit/win.h"

namespace toolkit {

// The portable code raises the same failures.
using Error = kadrion::core::Failure;

// The system's own wording of an error code, without the trailing line break.
std::wstring SystemMessage(DWORD code);

// Throws "<what>\n<system text>" for `code`, the calling thread's last error by default.
[[noreturn]] void ThrowSystemError(const std::wstring& what, DWORD code = GetLastError());

}  // namespace toolkit
