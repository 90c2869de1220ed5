#pragma once
// Failures raised from a system error code: kadrion::core::Failure with the system's wording.
#include <string>

#include "core/failure.h"
#include "toolkit/win.h"

namespace kadrion::toolkit {

// The system's own wording of an error code, without the trailing line break.
std::wstring SystemMessage(DWORD code);

// Throws "<what>\n<system text>" for `code`, the calling thread's last error by default.
[[noreturn]] void ThrowSystemError(const std::wstring& what, DWORD code = GetLastError());

}  // namespace kadrion::toolkit
