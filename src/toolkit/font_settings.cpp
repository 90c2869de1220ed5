#include "toolkit/font_settings.h"

namespace kadrion::toolkit {

FontInfo ReadFontKeys(const IniFile& settings, const std::wstring& section, const FontKeys& keys,
                      FontInfo font) {
  font.style = settings.ReadInteger(section, keys.style, font.style, kadrion::core::kFontStyles);
  font.charset =
      settings.ReadInteger(section, keys.charset, font.charset, kadrion::core::kCharsets);
  font.size = settings.ReadInteger(section, keys.size, font.size, kadrion::core::kFontSizes);
  font.face = settings.ReadString(section, keys.face, font.face);
  return font;
}

void WriteFontKeys(IniFile& settings, const std::wstring& section, const FontKeys& keys,
                   const FontInfo& font) {
  settings.WriteInteger(section, keys.size, font.size);
  settings.WriteString(section, keys.face, font.face);
  settings.WriteInteger(section, keys.style, font.style);
  settings.WriteInteger(section, keys.charset, font.charset);
}

}  // namespace kadrion::toolkit
