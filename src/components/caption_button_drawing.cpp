// Drawing a caption button: the whole button is composed off-screen and copied to the caption
// in one transfer, so the caption never shows it half drawn.
#include <initializer_list>
#include <utility>

#include "components/caption_button.h"
#include "toolkit/gdi.h"

namespace kadrion::components {

namespace {

using toolkit::BitmapHandle;
using toolkit::MemoryDc;
using toolkit::SelectedObject;

// Pixels where the pattern (the selected brush) replaces the destination: those set in a
// one-bit source; the others stay.
constexpr DWORD kPatternWhereSourceSet = 0x00E20746;

void Line(HDC dc, COLORREF color, std::initializer_list<POINT> points) {
  toolkit::PenHandle pen(CreatePen(PS_SOLID, 1, color));
  SelectedObject selected(dc, pen.Get());
  const POINT* point = points.begin();
  MoveToEx(dc, point->x, point->y, nullptr);
  for (++point; point != points.end(); ++point) LineTo(dc, point->x, point->y);
}

// The border of a face w x h: light above and left, dark below and right when released; the
// other way round when pressed.
void DrawBorder(HDC dc, int w, int h, CaptionButton::Face face) {
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF black = RGB(0, 0, 0), grey = RGB(128, 128, 128);
  if (face == CaptionButton::Face::kReleased) {
    Line(dc, highlight, {{0, h + 1}, {0, 0}, {w + 3, 0}});
    Line(dc, black, {{0, h + 2}, {w + 2, h + 2}, {w + 2, -1}});
    Line(dc, grey, {{w + 1, 1}, {w + 1, h + 1}, {0, h + 1}});
    Line(dc, GetSysColor(COLOR_3DLIGHT), {{1, h}, {1, 1}, {w + 1, 1}});
  } else {
    Line(dc, black, {{0, h + 1}, {0, 0}, {w + 3, 0}});
    Line(dc, highlight, {{0, h + 2}, {w + 2, h + 2}, {w + 2, -1}});
    Line(dc, grey, {{w, 1}, {1, 1}, {1, h + 1}});
    Line(dc, RGB(192, 192, 192), {{w + 1, 1}, {w + 1, h + 1}, {0, h + 1}});
  }
}

void FillFace(HDC dc, int width, int height) {
  toolkit::BrushHandle face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, face.Get());
}

// The glyph on the button face: its top-left colour shows the face; disabled, only its black
// pixels remain, embossed in the highlight and shadow colours.
BitmapHandle PrepareGlyph(HDC reference, HBITMAP glyph, bool enabled, SIZE& size) {
  BITMAP info{};
  GetObjectW(glyph, sizeof info, &info);
  size = {info.bmWidth, info.bmHeight};
  BitmapHandle prepared(CreateCompatibleBitmap(reference, size.cx, size.cy));
  MemoryDc source(reference), target(reference);
  SelectedObject sourceGlyph(source.Get(), glyph);
  SelectedObject targetBitmap(target.Get(), prepared.Get());
  if (enabled) {
    FillFace(target.Get(), size.cx, size.cy);
    TransparentBlt(target.Get(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy,
                   GetPixel(source.Get(), 0, 0));
    return prepared;
  }
  BitBlt(target.Get(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
  // Converting to one bit sets exactly the pixels of the background colour: black here.
  BitmapHandle mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  MemoryDc maskDc(reference);
  SelectedObject maskBitmap(maskDc.Get(), mask.Get());
  SetBkColor(target.Get(), RGB(0, 0, 0));
  BitBlt(maskDc.Get(), 0, 0, size.cx, size.cy, target.Get(), 0, 0, SRCCOPY);
  FillFace(target.Get(), size.cx, size.cy);
  SetTextColor(target.Get(), RGB(0, 0, 0));
  SetBkColor(target.Get(), RGB(255, 255, 255));
  for (const auto& [color, offset] :
       {std::pair{COLOR_BTNHIGHLIGHT, 1}, std::pair{COLOR_BTNSHADOW, 0}}) {
    toolkit::BrushHandle brush(CreateSolidBrush(GetSysColor(color)));
    SelectedObject selected(target.Get(), brush.Get());
    BitBlt(target.Get(), offset, offset, size.cx, size.cy, maskDc.Get(), 0, 0,
           kPatternWhereSourceSet);
  }
  return prepared;
}

}  // namespace

void CaptionButton::Draw(Face face) {
  drawnDown_ = face == Face::kPressed;
  const LONG_PTR style = WindowStyle();
  if (!visible_ || (style & WS_CAPTION) != WS_CAPTION) return;
  const HWND window = HookedWindow();
  toolkit::WindowDc windowDc(window, toolkit::WindowDc::Area::Whole);
  if (!windowDc.Get()) return;
  RECT bounds{};
  GetWindowRect(window, &bounds);

  const LONG_PTR exStyle = WindowExStyle();
  const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
  const bool dialogFrame = IsIconic(window) || !(style & WS_THICKFRAME);
  const kadrion::core::CaptionMetrics metrics{
      GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE),
      GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE),
      GetSystemMetrics(dialogFrame ? SM_CXDLGFRAME : SM_CXFRAME),
      GetSystemMetrics(dialogFrame ? SM_CYDLGFRAME : SM_CYFRAME)};
  const kadrion::core::CaptionStyle caption{tool, (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0,
                                            (exStyle & WS_EX_CONTEXTHELP) != 0,
                                            (style & WS_SYSMENU) != 0};
  place_ =
      kadrion::core::PlaceCaptionButton(bounds.right - bounds.left, caption, metrics, rightOffset_);
  const int w = place_.faceWidth, h = place_.faceHeight, p = drawnDown_ ? 1 : 0;

  MemoryDc image(windowDc.Get());
  BitmapHandle bitmap(
      CreateCompatibleBitmap(windowDc.Get(), place_.imageWidth, place_.imageHeight));
  SelectedObject imageBitmap(image.Get(), bitmap.Get());
  DrawBorder(image.Get(), w, h, face);
  {
    toolkit::PenHandle pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE)));
    SelectedObject facePen(image.Get(), pen.Get());
    SelectedObject faceBrush(image.Get(), GetSysColorBrush(COLOR_BTNFACE));
    Rectangle(image.Get(), 2, 2, w + 1, h + 1);
  }

  if (!glyph_) {
    toolkit::FontHandle font(CreateFontW(7 - GetSystemMetrics(SM_CYSIZE), 0, 0, 0, FW_NORMAL, 0, 0,
                                         0, DEFAULT_CHARSET, 0, 0, 0, 0, letterFace_.c_str()));
    SelectedObject letterFont(image.Get(), font.Get());
    SetBkMode(image.Get(), TRANSPARENT);
    SetTextAlign(image.Get(), TA_CENTER | TA_TOP);
    const int x = metrics.buttonWidth / 2 - 1 + p, y = p;
    if (!enabled_) {
      SetTextColor(image.Get(), RGB(255, 255, 255));
      TextOutW(image.Get(), x + 1, y + 1, L"A", 1);
    }
    SetTextColor(image.Get(), enabled_ ? letterColor_ : RGB(128, 128, 128));
    TextOutW(image.Get(), x, y, L"A", 1);
  } else {
    SIZE size{};
    BitmapHandle glyph = PrepareGlyph(windowDc.Get(), glyph_.Get(), enabled_, size);
    MemoryDc glyphDc(windowDc.Get());
    SelectedObject glyphBitmap(glyphDc.Get(), glyph.Get());
    SetStretchBltMode(image.Get(), COLORONCOLOR);
    StretchBlt(image.Get(), 2 + p, 2 + p, w - 1, h - 1, glyphDc.Get(), 0, 0, size.cx, size.cy,
               SRCCOPY);
  }
  BitBlt(windowDc.Get(), place_.imageX, place_.imageY, place_.imageWidth, place_.imageHeight,
         image.Get(), 0, 0, SRCCOPY);
}

}  // namespace kadrion::components
