#pragma once
// The caption buttons' pictures are bitmap resources of the program file (see glyphs.rc).
#include "toolkit/handles.h"
#include "toolkit/module.h"

namespace kadrion::components {

// Null when the program has no such resource; the button then shows a letter.
inline toolkit::BitmapHandle LoadGlyphResource(const wchar_t* name) {
  return toolkit::BitmapHandle(static_cast<HBITMAP>(
      LoadImageW(toolkit::ProgramModule(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace kadrion::components
