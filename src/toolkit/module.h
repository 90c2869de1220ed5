#pragma once
// The program's own module: where its window classes, icons and bitmaps are registered and found.
#include "toolkit/win.h"

namespace kadrion::toolkit {

inline HINSTANCE ProgramModule() {
  return GetModuleHandleW(nullptr);
}

}  // namespace kadrion::toolkit
