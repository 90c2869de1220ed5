#pragma once
// The pictures on the description window's buttons.
#include <memory>

#include "toolkit/glyph.h"

namespace kadrion::glyphs {

std::shared_ptr<const toolkit::Glyph> Cross();    // "Kasuj"
std::shared_ptr<const toolkit::Glyph> Floppy();   // "Zapisz"
std::shared_ptr<const toolkit::Glyph> Speaker();  // "Lektor start"

}  // namespace kadrion::glyphs
