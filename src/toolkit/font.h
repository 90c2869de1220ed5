#pragma once
// A font as the settings file describes it, and the GDI font made from it.
#include <string>

#include "toolkit/handles.h"

namespace kadrion::toolkit {

// Style bits as stored in the settings file.
enum FontStyle : int { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct FontInfo {
  std::wstring face = L"MS Sans Serif";
  int size = 8;                   // points
  int style = 0;                  // FontStyle bits
  int charset = DEFAULT_CHARSET;  // Windows character-set number
  COLORREF color = RGB(0, 0, 0);  // text colour, 0x00BBGGRR

  bool operator==(const FontInfo&) const = default;
};

LOGFONTW ToLogFont(const FontInfo& info);
// The colour is not part of a LOGFONT; it comes separately (the font dialog returns both).
FontInfo FromLogFont(const LOGFONTW& font, COLORREF color);

// Never changes: a control that changes its font takes another Font, so what Info() gives lives
// as long as whoever holds this Font.
class Font {
 public:
  explicit Font(FontInfo info);
  const FontInfo& Info() const { return info_; }
  HFONT Handle() const { return handle_.Get(); }

 private:
  FontInfo info_;
  FontHandle handle_;
};

}  // namespace kadrion::toolkit
