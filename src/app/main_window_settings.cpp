// The main window's part of the settings file "Dane\Baza.ini". Keys are written in the order
// they always were, so a new file comes out the same.
#include <array>

#include "app/main_window.h"
#include "core/setting_limits.h"
#include "toolkit/dpi.h"
#include "toolkit/error.h"
#include "toolkit/font_settings.h"
#include "toolkit/screens.h"

namespace kadrion::app {

namespace {

const std::wstring kWindow = L"Okno";
const std::wstring kSettings = L"Ustawienia";
const std::array<std::wstring, 5> kColumnKeys = {L"0", L"1", L"2", L"3", L"4"};
const toolkit::FontKeys kListFont{L"Rozmiar czcionki", L"Nazwa czcionki", L"Font", L"Skrypt"};

constexpr COLORREF kDefaultBackground = 14548991;  // light yellow
constexpr COLORREF kDefaultText = 128;             // maroon
constexpr int kDefaultLeft = -4, kDefaultTop = -4, kDefaultWidth = 808, kDefaultHeight = 608;

constexpr wchar_t kSettingsKept[] =
    L"Program użyje ustawień domyślnych, a plik zostawi bez zmian: zmiany ustawień z tego "
    L"uruchomienia nie zostaną zapisane.";

}  // namespace

void MainWindow::LoadSettings() {
  // A file that is there but cannot be read would otherwise be overwritten with the defaults
  // at the close: it is said once, and this run leaves it as it is.
  if (const DWORD error = settings_.Open())
    dialogs_.ShowError(Handle(), L"Nie można odczytać ustawień z pliku " + settings_.Path() +
                                     L".\n" + toolkit::SystemMessage(error) + L"\n\n" +
                                     kSettingsKept);
  const toolkit::IniFile& settings = settings_.Values();
  const int window = settings.ReadInteger(kWindow, L"1", 0);
  if (window == 0) {
    const int top = settings.ReadInteger(kSettings, L"Góra", kDefaultTop);
    const int left = settings.ReadInteger(kSettings, L"Lewo", kDefaultLeft);
    const int height =
        settings.ReadInteger(kSettings, L"Wysokość", toolkit::Scaled(kDefaultHeight));
    const int width =
        settings.ReadInteger(kSettings, L"Szerokość", toolkit::Scaled(kDefaultWidth));
    // Bounds from another screen, or from a damaged file, would hide the window.
    if (core::WindowFitsScreens(left, top, width, height, toolkit::ScreenWorkAreas()))
      SetBounds(left, top, width, height);
    else
      SetBounds(kDefaultLeft, kDefaultTop, toolkit::Scaled(kDefaultWidth),
                toolkit::Scaled(kDefaultHeight));
  } else if (window == 1) {
    SetMaximized(true);
  }

  mediumBox_.SetWText(settings.ReadString(kSettings, L"Nośnik", L"DVD"));
  for (int column = 0; column < filmList_.ColumnCount(); ++column)
    filmList_.SetColumnWidth(
        column, settings.ReadInteger(kSettings, kColumnKeys[column], toolkit::Scaled(110),
                                      core::kColumnWidths));
  const bool onTop = settings.ReadBool(kSettings, L"Zawsze na wierzchu", false);

  const COLORREF textColour = settings.ReadInteger(kSettings, L"Kc", kDefaultText, core::kColours);
  const toolkit::FontInfo font = toolkit::ReadFontKeys(
      settings, kSettings, kListFont,
      toolkit::FontInfo{L"MS Sans Serif", 10, toolkit::fsBold, DEFAULT_CHARSET, textColour});
  appearance_.Apply(settings.ReadInteger(kSettings, L"Kt", kDefaultBackground, core::kColours),
                    font);

  alwaysOnTop_.Set(onTop ? toolkit::Stacking::StayOnTop : toolkit::Stacking::Normal);
}

void MainWindow::SaveSettings() {
  settings_.Write([this](toolkit::IniFile& settings) {
    const RECT bounds = PlacedBounds();
    const toolkit::FontInfo& font = appearance_.Font();
    settings.WriteInteger(kSettings, L"Góra", bounds.top);
    settings.WriteInteger(kSettings, L"Lewo", bounds.left);
    settings.WriteInteger(kSettings, L"Kc", static_cast<int>(font.color));
    settings.WriteInteger(kSettings, L"Kt", static_cast<int>(appearance_.Background()));
    settings.WriteInteger(kSettings, L"Wysokość", bounds.bottom - bounds.top);
    settings.WriteInteger(kSettings, L"Szerokość", bounds.right - bounds.left);
    settings.WriteString(kSettings, L"Nośnik", mediumBox_.WText());
    settings.WriteBool(kSettings, L"Zawsze na wierzchu", alwaysOnTop_.On());
    for (int column = 0; column < filmList_.ColumnCount(); ++column)
      settings.WriteInteger(kSettings, kColumnKeys[column], filmList_.ColumnWidth(column));
    toolkit::WriteFontKeys(settings, kSettings, kListFont, font);
    settings.WriteInteger(kWindow, L"1", Maximized() ? 1 : 0);
  });
}

}  // namespace kadrion::app
