#include "toolkit/font.h"

#include <cwchar>

namespace toolkit {

namespace {
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}
}  // namespace

LOGFONTW ToLogFont(const FontSpec& spec) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(spec.size, ScreenDpi(), 72);
  font.lfWeight = (spec.style & fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (spec.style & fsItalic) ? 1 : 0;
  font.lfUnderline = (spec.style & fsUnderline) ? 1 : 0;
  font.lfStrikeOut = (spec.style & fsStrikeOut) ? 1 : 0;
  font.lfCharSet = static_cast<BYTE>(spec.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  wcsncpy(font.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
  return font;
}

FontSpec FromLogFont(const LOGFONTW& font, COLORREF color) {
  FontSpec spec;
  spec.face = font.lfFaceName;
  const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  spec.size = MulDiv(height, 72, ScreenDpi());
  spec.style = (font.lfWeight >= FW_BOLD ? fsBold : 0) | (font.lfItalic ? fsItalic : 0) |
               (font.lfUnderline ? fsUnderline : 0) | (font.lfStrikeOut ? fsStrikeOut : 0);
  spec.charset = font.lfCharSet;
  spec.color = color;
  return spec;
}

Font::Font(FontSpec spec) : spec_(std::move(spec)) {
  const LOGFONTW font = ToLogFont(spec_);
  handle_.Reset(CreateFontIndirectW(&font));
}

}  // namespace toolkit
