#pragma once
// A font kept in a settings file under four keys of one section: size, face name, style bits
// and character set. Its colour is kept apart, beside the other colours.
#include <string>

#include "toolkit/font.h"
#include "toolkit/ini_file.h"

namespace kadrion::toolkit {

struct FontKeys {
  std::wstring size, face, style, charset;
};

// The four values, each falling back to what `font` has when missing or outside its limits
// (core/setting_limits.h); the colour stays as it is.
FontInfo ReadFontKeys(const IniFile& settings, const std::wstring& section, const FontKeys& keys,
                      FontInfo font);
// Writes the four values in the order size, face, style, character set.
void WriteFontKeys(IniFile& settings, const std::wstring& section, const FontKeys& keys,
                   const FontInfo& font);

}  // namespace kadrion::toolkit
