#include "toolkit/glyph.h"

#include <cstdint>
#include <vector>

#include "toolkit/error.h"

namespace kadrion::toolkit {

Glyph::Glyph(std::initializer_list<std::string_view> rows,
             std::initializer_list<std::pair<char, COLORREF>> palette)
    : width_(rows.size() ? static_cast<int>(rows.begin()->size()) : 0),
      height_(static_cast<int>(rows.size())) {
  COLORREF colors[256] = {};
  for (const auto& [character, color] : palette) colors[static_cast<unsigned char>(character)] = color;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top row first, as written
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) ThrowSystemError(L"Nie można utworzyć obrazka przycisku.");

  auto* pixel = static_cast<std::uint32_t*>(bits);
  for (std::string_view row : rows)
    for (char character : row) {
      const COLORREF color = colors[static_cast<unsigned char>(character)];
      *pixel++ = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    }
  const char corner = (rows.end() - 1)->front();
  const COLORREF transparent = colors[static_cast<unsigned char>(corner)];

  images_.Reset(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 1, 0));
  if (!images_ || ImageList_AddMasked(images_.Get(), bitmap.Get(), transparent) < 0)
    ThrowSystemError(L"Nie można utworzyć obrazka przycisku.");
}

void Glyph::Draw(HDC dc, int x, int y) const {
  ImageList_Draw(images_.Get(), 0, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace kadrion::toolkit
