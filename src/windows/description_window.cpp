// The description window: layout, opening and saving a film's description, its appearance.
#include "windows/description_window.h"

#include <cstdint>
#include <vector>

#include "app/control_ids.h"
#include "core/description_path.h"
#include "core/line_breaks.h"
#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "windows/glyphs.h"

namespace kadrion {

namespace {

constexpr RECT kDesignBounds{264, 260, 264 + 563, 260 + 352};

const std::wstring kSettings = L"Ustawienia";
constexpr COLORREF kDefaultBackground = 14145495;  // light grey
constexpr COLORREF kDefaultText = 8388608;         // navy

RECT At(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

toolkit::Dialogs& Dialogs() { return toolkit::Application::Instance().dialogs(); }

}  // namespace

TForm2::TForm2(AppPaths paths, toolkit::Keyboard& keyboard)
    : Form(L"TForm2"),
      paths_(std::move(paths)),
      settings_(paths_.SettingsPath()),
      keyboard_(keyboard) {}

void TForm2::Create(bool mainOnTop) {
  CreateForm(L"Opis", kDesignBounds);
  CreateControls();
  onClose = [this] { FormClose(); };
  toolkit::Application::Instance().Guard([this, mainOnTop] { FormCreate(mainOnTop); });
}

void TForm2::CreateControls() {
  toolkit::Panel& client = Client();
  Sc.Create(client, id::form2::Sc, L"", At(72, 96, 0, 0));
  Sc.SetVisible(false);
  Panel1.Create(client, id::form2::Panel1, At(0, 0, 563, 25), toolkit::Align::Top);
  Kasuj.Create(Panel1, id::form2::Kasuj, L"Kasuj", At(2, 2, 79, 22), glyphs::Cross());
  Guardar.Create(Panel1, id::form2::Guardar, L"Zapisz", At(83, 2, 110, 22), glyphs::Floppy());
  lek.Create(Panel1, id::form2::lek, L"Lektor start", At(195, 2, 110, 22), glyphs::Speaker());
  BitBtn2.Create(Panel1, id::form2::BitBtn2, L"Kolor karty", At(307, 2, 110, 22), nullptr);
  BitBtn3.Create(Panel1, id::form2::BitBtn3, L"Czcionka", At(419, 2, 110, 22), nullptr);
  Op.Create(client, id::form2::Op, At(0, 25, 563, 300));
  Op.align = toolkit::Align::Client;
  client.Realign();

  Kasuj.onClick = [this] { KasujClick(); };
  Guardar.onClick = [this] { GuardarClick(); };
  lek.onClick = [this] { lekClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  Le.onTimer = [this] { LeTimer(); };
  led.onTimer = [this] { ledTimer(); };
  ls.onTimer = [this] { lsTimer(); };
}

void TForm2::FormCreate(bool mainOnTop) {
  Op.SetColor(settings_.ReadInteger(kSettings, L"Kt2", kDefaultBackground));
  toolkit::FontInfo font;
  font.color = settings_.ReadInteger(kSettings, L"Kc2", kDefaultText);
  font.style = settings_.ReadInteger(kSettings, L"Font2", toolkit::fsBold);
  font.charset = settings_.ReadInteger(kSettings, L"Skrypt2", DEFAULT_CHARSET);
  font.size = settings_.ReadInteger(kSettings, L"Rozmiar czcionki2", 10);
  font.face = settings_.ReadString(kSettings, L"Nazwa czcionki2", L"MS Sans Serif");
  Op.SetFont(font);
  SetStayOnTop(mainOnTop);
}

void TForm2::FormClose() {
  // The text is not saved here; only the appearance is, and a failed write keeps the window
  // open so that the next close tries again.
  const toolkit::FontInfo& font = Op.GetFont();
  settings_.WriteInteger(kSettings, L"Kt2", static_cast<int>(Op.Color()));
  settings_.WriteInteger(kSettings, L"Kc2", static_cast<int>(font.color));
  settings_.WriteInteger(kSettings, L"Rozmiar czcionki2", font.size);
  settings_.WriteString(kSettings, L"Nazwa czcionki2", font.face);
  settings_.WriteInteger(kSettings, L"Font2", font.style);
  settings_.WriteInteger(kSettings, L"Skrypt2", font.charset);
}

void TForm2::Open(const std::string& polishTitle) {
  if (Modified()) {
    const HWND owner = IsWindowVisible(Handle()) ? Handle() : nullptr;
    const toolkit::Answer answer = Dialogs().Ask(
        owner, L"Opis filmu \u201E" + Caption() +
                   L"\u201D został zmieniony.\nZapisać go przed otwarciem następnego opisu?");
    if (answer == toolkit::Answer::Cancel) return;
    if (answer == toolkit::Answer::Yes) GuardarClick();  // a failed save ends the open here
  }

  Op.SetWText(L"");
  savedText_.clear();
  Sc.SetText(polishTitle);
  SetText(polishTitle);
  // A title that would name a file outside "Opisy" simply has no description to show.
  if (const auto file = DescriptionFile(polishTitle)) {
    const std::wstring path = paths_.programFolder + toolkit::FromCp1250(*file);
    if (toolkit::FileExists(path)) Load(path);
  }
  Show();
  BringToFront();
}

std::wstring TForm2::DescriptionPath(const std::string& polishTitle) const {
  const auto file = DescriptionFile(polishTitle);
  if (!file)
    throw toolkit::Error(L"Opisu filmu \u201E" + toolkit::FromCp1250(polishTitle) +
                         L"\u201D nie można zapisać: taki tytuł wskazuje plik poza folderem "
                         L"Opisy.");
  return paths_.programFolder + toolkit::FromCp1250(*file);
}

void TForm2::Load(const std::wstring& path) {
  toolkit::FileReader reader(path);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(reader.Size()));
  bytes.resize(reader.Read(bytes));
  const std::string text = WithCrLf(std::string(bytes.begin(), bytes.end()));
  Op.SetText(text);
  savedText_ = Op.WText();
}

void TForm2::GuardarClick() {
  // The window's caption names the film that was opened last, whatever the main window
  // has selected now.
  const std::wstring text = Op.WText();
  const std::string bytes = toolkit::ToCp1250(text);
  toolkit::AtomicFileWriter file(DescriptionPath(Text()));
  file.Write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  file.Commit();
  savedText_ = text;
}

void TForm2::KasujClick() { Op.SetWText(L""); }

void TForm2::BitBtn2Click() {
  COLORREF color = Op.Color();
  if (Dialogs().PickColor(Handle(), color)) Op.SetColor(color);
}

void TForm2::BitBtn3Click() {
  toolkit::FontInfo font = Op.GetFont();
  if (Dialogs().PickFont(Handle(), font)) Op.SetFont(font);
}

}  // namespace kadrion
