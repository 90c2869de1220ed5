// The main window's part of the settings file "Dane\Baza.ini".
#include <array>

#include "app/main_window.h"

namespace kadrion {

namespace {

const std::wstring kWindow = L"Okno";
const std::wstring kSettings = L"Ustawienia";
const std::array<std::wstring, 5> kColumnKeys = {L"0", L"1", L"2", L"3", L"4"};

constexpr COLORREF kDefaultBackground = 14548991;  // light yellow
constexpr COLORREF kDefaultText = 128;             // maroon

}  // namespace

void TMainWindow::LoadSettings() {
  const int window = settings_.ReadInteger(kWindow, L"1", 0);
  if (window == 0) {
    const int top = settings_.ReadInteger(kSettings, L"Góra", -4);
    const int left = settings_.ReadInteger(kSettings, L"Lewo", -4);
    const int height = settings_.ReadInteger(kSettings, L"Wysokość", 608);
    const int width = settings_.ReadInteger(kSettings, L"Szerokość", 808);
    SetBounds(left, top, width, height);
  } else if (window == 1) {
    SetMaximized(true);
  }

  n.SetWText(settings_.ReadString(kSettings, L"Nośnik", L"DVD"));
  for (int column = 0; column < Lista.ColumnCount(); ++column)
    Lista.SetColumnWidth(column, settings_.ReadInteger(kSettings, kColumnKeys[column], 110));
  PopupMenu1[z].visible = settings_.ReadBool(kSettings, L"Zawsze na wierzchu", false);

  const COLORREF background = settings_.ReadInteger(kSettings, L"Kt", kDefaultBackground);
  toolkit::FontInfo font = C.GetFont();
  font.color = settings_.ReadInteger(kSettings, L"Kc", kDefaultText);
  C.SetColor(background);
  C.SetFont(font);
  Lista.SetColor(C.Color());
  Lista.SetFont(C.GetFont());

  font.style = settings_.ReadInteger(kSettings, L"Font", toolkit::fsBold);
  font.charset = settings_.ReadInteger(kSettings, L"Skrypt", DEFAULT_CHARSET);
  font.size = settings_.ReadInteger(kSettings, L"Rozmiar czcionki", 10);
  font.face = settings_.ReadString(kSettings, L"Nazwa czcionki", L"MS Sans Serif");
  Lista.SetFont(font);
  C.SetFont(Lista.GetFont());

  const bool onTop = PopupMenu1[z].visible;
  PopupMenu1[z2].visible = !onTop;
  SetStayOnTop(onTop);
}

void TMainWindow::SaveSettings() {
  const RECT bounds = Bounds();
  const toolkit::FontInfo& font = C.GetFont();
  settings_.WriteInteger(kSettings, L"Góra", bounds.top);
  settings_.WriteInteger(kSettings, L"Lewo", bounds.left);
  settings_.WriteInteger(kSettings, L"Kc", static_cast<int>(font.color));
  settings_.WriteInteger(kSettings, L"Kt", static_cast<int>(C.Color()));
  settings_.WriteInteger(kSettings, L"Wysokość", bounds.bottom - bounds.top);
  settings_.WriteInteger(kSettings, L"Szerokość", bounds.right - bounds.left);
  settings_.WriteString(kSettings, L"Nośnik", n.WText());
  settings_.WriteBool(kSettings, L"Zawsze na wierzchu", PopupMenu1[z].visible);
  for (int column = 0; column < Lista.ColumnCount(); ++column)
    settings_.WriteInteger(kSettings, kColumnKeys[column], Lista.ColumnWidth(column));
  settings_.WriteInteger(kSettings, L"Rozmiar czcionki", font.size);
  settings_.WriteString(kSettings, L"Nazwa czcionki", font.face);
  settings_.WriteInteger(kSettings, L"Font", font.style);
  settings_.WriteInteger(kSettings, L"Skrypt", font.charset);
  settings_.WriteInteger(kWindow, L"1", Maximized() ? 1 : 0);
}

}  // namespace kadrion
