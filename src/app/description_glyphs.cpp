#include "app/description_glyphs.h"

namespace kadrion::glyphs {

namespace {
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);
}  // namespace

std::shared_ptr<const toolkit::Glyph> Cross() {
  return std::make_shared<const toolkit::Glyph>(
      std::initializer_list<std::string_view>{
          "................",
          "................",
          "...##......##...",
          "...###....###...",
          "....###..###....",
          ".....######.....",
          "......####......",
          "......####......",
          ".....######.....",
          "....###..###....",
          "...###....###...",
          "...##......##...",
          "................",
          "................",
          "................",
          "................",
      },
      std::initializer_list<std::pair<char, COLORREF>>{{'.', kGrey}, {'#', kBlack}});
}

std::shared_ptr<const toolkit::Glyph> Floppy() {
  return std::make_shared<const toolkit::Glyph>(
      std::initializer_list<std::string_view>{
          "................",
          ".##############.",
          ".#oo#######oo#o#",
          ".#oo#######oo#o#",
          ".#oo#######oo#o#",
          ".#oo#######oo#o#",
          ".#ooooooooooooo#",
          ".#ooooooooooooo#",
          ".#oo#########oo#",
          ".#oo#ooooooo#oo#",
          ".#oo#########oo#",
          ".#oo#ooooooo#oo#",
          ".#oo#########oo#",
          ".#oo#ooooooo#oo#",
          ".###############",
          "................",
      },
      std::initializer_list<std::pair<char, COLORREF>>{
          {'.', kGrey}, {'#', kBlack}, {'o', RGB(128, 128, 0)}});
}

std::shared_ptr<const toolkit::Glyph> Speaker() {
  return std::make_shared<const toolkit::Glyph>(
      std::initializer_list<std::string_view>{
          "................",
          "......kk........",
          ".....kyk...b....",
          "....kyyk....b...",
          "kkkkyyyk..b..b..",
          "kwwkyyyk...b.b..",
          "kwwkyyyk...b..b.",
          "kwwkyyyk...b..b.",
          "kwwkyyyk...b..b.",
          "kwwkyyyk...b..b.",
          "kwwkyyyk...b.b..",
          "kkkkyyyk..b..b..",
          "....kyyk....b...",
          ".....kyk...b....",
          "......kk........",
          "................",
      },
      std::initializer_list<std::pair<char, COLORREF>>{{'.', kGrey},
                                                       {'k', kBlack},
                                                       {'y', RGB(255, 200, 0)},
                                                       {'w', RGB(255, 255, 255)},
                                                       {'b', RGB(0, 0, 255)}});
}

}  // namespace kadrion::glyphs
