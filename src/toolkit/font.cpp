#include "toolkit/font.h"

#include <cwchar>

#include "toolkit/dpi.h"

namespace kadrion::toolkit {

LOGFONTW ToLogFont(const FontInfo& info) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(info.size, ScreenDpi(), 72);
  font.lfWeight = (info.style & fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (info.style & fsItalic) ? 1 : 0;
  font.lfUnderline = (info.style & fsUnderline) ? 1 : 0;
  font.lfStrikeOut = (info.style & fsStrikeOut) ? 1 : 0;
  font.lfCharSet = static_cast<BYTE>(info.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  wcsncpy(font.lfFaceName, info.face.c_str(), LF_FACESIZE - 1);
  return font;
}

FontInfo FromLogFont(const LOGFONTW& font, COLORREF color) {
  FontInfo info;
  info.face = font.lfFaceName;
  const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  info.size = MulDiv(height, 72, ScreenDpi());
  info.style = (font.lfWeight >= FW_BOLD ? fsBold : 0) | (font.lfItalic ? fsItalic : 0) |
               (font.lfUnderline ? fsUnderline : 0) | (font.lfStrikeOut ? fsStrikeOut : 0);
  info.charset = font.lfCharSet;
  info.color = color;
  return info;
}

Font::Font(FontInfo info) : info_(std::move(info)) {
  const LOGFONTW font = ToLogFont(info_);
  handle_.Reset(CreateFontIndirectW(&font));
}

}  // namespace kadrion::toolkit
