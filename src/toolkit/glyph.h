#pragma once
// A small button picture written as text, one character a pixel, so it can be read and
// changed in the source. The colour of the bottom-left pixel is the transparent one.
#include <initializer_list>
#include <string_view>
#include <utility>

#include "toolkit/handles.h"

namespace kadrion::toolkit {

class Glyph {
 public:
  // Every row has the same length; every character of the rows has a colour in `palette`.
  Glyph(std::initializer_list<std::string_view> rows,
        std::initializer_list<std::pair<char, COLORREF>> palette);
  Glyph(const Glyph&) = delete;
  Glyph& operator=(const Glyph&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  void Draw(HDC dc, int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  ImageListHandle images_;
};

}  // namespace kadrion::toolkit
