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

DescriptionWindow::DescriptionWindow(const features::AppPaths& paths, const Services& services,
                                     toolkit::ErrorGuard& errors, toolkit::TimerHost& timers)
    : Form(L"TForm2"),
      errors_(errors),
      dialogs_(services.dialogs),
      settings_(paths.SettingsPath()),
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

void DescriptionWindow::CreateControls() {
  toolkit::Panel& client = Client();
  titleLabel_.Create(client, id::form2::Sc, L"", At(72, 96, 0, 0));
  titleLabel_.SetVisible(false);
  toolbar_.Create(client, id::form2::Panel1, At(0, 0, 563, 25), toolkit::Align::Top);
  clearButton_.Create(toolbar_, id::form2::Kasuj, L"Kasuj", At(2, 2, 79, 22), glyphs::Cross());
  saveButton_.Create(toolbar_, id::form2::Guardar, L"Zapisz", At(83, 2, 110, 22), glyphs::Floppy());
  readerButton_.Create(toolbar_, id::form2::lek, L"Lektor start", At(195, 2, 110, 22),
                       glyphs::Speaker());
  colourButton_.Create(toolbar_, id::form2::BitBtn2, L"Kolor karty", At(307, 2, 110, 22), nullptr);
  fontButton_.Create(toolbar_, id::form2::BitBtn3, L"Czcionka", At(419, 2, 110, 22), nullptr);
  textMemo_.Create(client, id::form2::Op, At(0, 25, 563, 300));
  textMemo_.SetAccessibleName(L"Opis filmu");
  textMemo_.SetAlignment(toolkit::Align::Client);
  client.Realign();

  clearButton_.onClick = [this] { editor_.Clear(); };
  saveButton_.onClick = [this] { editor_.Save(); };
  readerButton_.onClick = [this] { reader_.Toggle(); };
  colourButton_.onClick = [this] { PickColour(); };
  fontButton_.onClick = [this] { PickFont(); };
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
  if (settings_.ReadError() == 0) settingsGuard_.MarkRead();
  textMemo_.SetColor(settings_.ReadInteger(kSettings, L"Kt2", kDefaultBackground, core::kColours));
  const COLORREF textColour =
      settings_.ReadInteger(kSettings, L"Kc2", kDefaultText, core::kColours);
  textMemo_.SetFont(toolkit::ReadFontKeys(
      settings_, kSettings, kTextFont,
      toolkit::FontInfo{L"MS Sans Serif", 10, toolkit::fsBold, DEFAULT_CHARSET, textColour}));
}

void DescriptionWindow::SaveAppearance() {
  settingsGuard_.Write([this] {
    const toolkit::FontInfo& font = textMemo_.GetFont();
    settings_.WriteInteger(kSettings, L"Kt2", static_cast<int>(textMemo_.Color()));
    settings_.WriteInteger(kSettings, L"Kc2", static_cast<int>(font.color));
    toolkit::WriteFontKeys(settings_, kSettings, kTextFont, font);
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
