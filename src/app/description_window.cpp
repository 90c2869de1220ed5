#include "app/description_window.h"

#include "app/control_ids.h"
#include "app/description_glyphs.h"
#include "core/setting_limits.h"
#include "toolkit/dpi.h"
#include "toolkit/font_settings.h"

namespace kadrion::app {

namespace {

const std::wstring kSettings = L"Ustawienia";
const toolkit::FontKeys kTextFont{L"Rozmiar czcionki2", L"Nazwa czcionki2", L"Font2", L"Skrypt2"};
constexpr COLORREF kDefaultBackground = 14145495;  // light grey
constexpr COLORREF kDefaultText = 8388608;         // navy

// A place of the window design, at the screen's DPI setting.
RECT At(int left, int top, int width, int height) {
  return toolkit::ScaledRect(left, top, width, height);
}

}  // namespace

DescriptionWindow::DescriptionWindow(const features::AppPaths& paths,
                                     features::SettingsFile& settings, const Services& services,
                                     toolkit::ErrorGuard& errors, toolkit::TimerHost& timers)
    : Form(L"TForm2"),
      errors_(errors),
      dialogs_(services.dialogs),
      settings_(settings),
      editor_(textMemo_, services.dialogs, paths, *this),
      reader_(timers, services.keyboard, readerButton_, [this] { return textMemo_.WText(); }) {}

void DescriptionWindow::Create(toolkit::Stacking stacking) {
  CreateForm(L"Opis", At(264, 260, 563, 352));
  CreateControls();
  // Changed text is asked about first; then the appearance is saved, and a failed write keeps
  // the window open so that the next close tries again.
  onCloseQuery = [this] { return editor_.ConfirmClose(); };
  onClose = [this] { SaveAppearance(); };
  errors_.Guard([this, stacking] {
    LoadAppearance();
    SetStacking(stacking);
  });
}

void DescriptionWindow::DefineCommands() {
  auto& c = commands_;
  command_.clear = c.Add({L"Kasuj", {}, {}, [this] { editor_.Clear(); }});
  command_.save = c.Add({L"Zapisz", {{toolkit::Ctrl('S')}}, {}, [this] { editor_.Save(); }});
  command_.reader = c.Add({L"Lektor start", {}, {}, [this] { reader_.Toggle(); }});
  command_.colour = c.Add({L"Kolor karty", {}, {}, [this] { PickColour(); }});
  command_.font = c.Add({L"Czcionka", {}, {}, [this] { PickFont(); }});
}

void DescriptionWindow::CreateControls() {
  DefineCommands();
  toolkit::Panel& client = Client();
  titleLabel_.Create(client, id::form2::Sc, L"", At(72, 96, 0, 0));
  titleLabel_.SetVisible(false);
  toolbar_.Create(client, id::form2::Panel1, At(0, 0, 563, 25), toolkit::Align::Top);
  clearButton_.Create(toolbar_, id::form2::Kasuj, commands_.Caption(command_.clear), At(2, 2, 79, 22), glyphs::Cross());
  saveButton_.Create(toolbar_, id::form2::Guardar, commands_.Caption(command_.save), At(83, 2, 110, 22), glyphs::Floppy());
  readerButton_.Create(toolbar_, id::form2::lek, commands_.Caption(command_.reader), At(195, 2, 110, 22),
                       glyphs::Speaker());
  colourButton_.Create(toolbar_, id::form2::BitBtn2, commands_.Caption(command_.colour), At(307, 2, 110, 22), nullptr);
  fontButton_.Create(toolbar_, id::form2::BitBtn3, commands_.Caption(command_.font), At(419, 2, 110, 22), nullptr);
  textMemo_.Create(client, id::form2::Op, At(0, 25, 563, 300));
  textMemo_.SetAccessibleName(L"Opis filmu");
  textMemo_.SetAlignment(toolkit::Align::Client);
  client.Realign();

  commands_.Bind(clearButton_, command_.clear);
  commands_.Bind(saveButton_, command_.save);
  commands_.Bind(readerButton_, command_.reader);
  commands_.Bind(colourButton_, command_.colour);
  commands_.Bind(fontButton_, command_.font);
  onKey = [this](toolkit::KeyChord chord) { return commands_.HandleKey(chord, GetFocus()); };
}

void DescriptionWindow::Open(const std::string& polishTitle) {
  if (!editor_.Load(polishTitle)) return;
  // The caption and the hidden label name the film for the user and for outside tools.
  SetText(polishTitle);
  titleLabel_.SetText(polishTitle);
  Show();
  BringToFront();
}

void DescriptionWindow::FollowTitle(const std::string& from, const std::string& to) {
  if (!editor_.Retitle(from, to)) return;
  SetText(to);
  titleLabel_.SetText(to);
}

void DescriptionWindow::LoadAppearance() {
  // The main window has said when the settings file cannot be read; it is not written over.
  const toolkit::IniFile& settings = settings_.Values();
  textMemo_.SetColor(settings.ReadInteger(kSettings, L"Kt2", kDefaultBackground, core::kColours));
  const COLORREF textColour =
      settings.ReadInteger(kSettings, L"Kc2", kDefaultText, core::kColours);
  textMemo_.SetFont(toolkit::ReadFontKeys(
      settings, kSettings, kTextFont,
      toolkit::FontInfo{L"MS Sans Serif", 10, toolkit::fsBold, DEFAULT_CHARSET, textColour}));
}

void DescriptionWindow::SaveAppearance() {
  settings_.Write([this](toolkit::IniFile& settings) {
    const toolkit::FontInfo font = textMemo_.GetFont();
    settings.WriteInteger(kSettings, L"Kt2", static_cast<int>(textMemo_.Color()));
    settings.WriteInteger(kSettings, L"Kc2", static_cast<int>(font.color));
    toolkit::WriteFontKeys(settings, kSettings, kTextFont, font);
  });
}

void DescriptionWindow::PickColour() {
  COLORREF color = textMemo_.Color();
  if (dialogs_.PickColor(Handle(), color)) textMemo_.SetColor(color);
}

void DescriptionWindow::PickFont() {
  toolkit::FontInfo font = textMemo_.GetFont();
  if (dialogs_.PickFont(Handle(), font)) textMemo_.SetFont(font);
}

}  // namespace kadrion::app
