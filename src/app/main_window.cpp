#include "app/main_window.h"

#include "app/control_ids.h"
#include "toolkit/application.h"

namespace kadrion {

namespace {

using toolkit::Align;
using toolkit::FontInfo;

// Design bounds of the window; the settings file normally overrides them at every start.
constexpr RECT kDesignBounds{192, 114, 192 + 695, 114 + 548};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

RECT At(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

const std::vector<std::wstring> kGenres = {
    L"",         L"Akcja",           L"Bajka",          L"Baśń",          L"Biograficzny",
    L"Czarna komedia", L"Dokumentalny", L"Dramat",     L"Dreszczowiec",  L"Erotyczny",
    L"Fabularny", L"Familijny",      L"Fantasy",        L"Gangsterski",   L"Historyczny",
    L"Horror",   L"Katastroficzny",  L"Komedia",        L"Komedia kryminalna",
    L"Komedia obycz.", L"Komedia rom.", L"Kostiumowy",  L"Kryminał",      L"Melodramat",
    L"Muzyczny", L"Obyczjowy",       L"Przygodowy",     L"Psychologiczny", L"Romans",
    L"Science Fiction", L"Sensacyjny", L"Sportowy",     L"Sztuki walki",  L"Thriller",
    L"Western",  L"Wojenny"};

const std::vector<std::wstring> kMedia = {L"CD", L"DVD", L"VCD", L"SVCD"};

}  // namespace

TMainWindow::TMainWindow(AppPaths paths, toolkit::Downloader* linkSource)
    : Form(L"TMainWindow"),
      paths_(std::move(paths)),
      settings_(paths_.SettingsPath()),
      linkSource_(linkSource) {}

void TMainWindow::Create() {
  CreateForm(L"Kadrion filmów 1.1", kDesignBounds);
  SetMainForm(true);
  CreateControls();
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  toolkit::Application::Instance().Guard([this] { FormCreate(); });
  decorations = std::make_unique<components::MainWindowDecorations>(*this);
}

void TMainWindow::CreateControls() {
  toolkit::Panel& client = Client();
  Panel1.Create(client, id::Panel1, At(0, 0, 100, 17), Align::Top);
  CreateLinkStrip();
  StatusBar.Create(client, id::StatusBar, {150, 200});
  Panel3.Create(client, id::Panel3, At(0, 0, 198, 100), Align::Right);
  CreateEditPanel();
  Lista.Create(client, id::Lista);
  CreateMenus();
  BindHandlers();
  client.Realign();
}

void TMainWindow::BindHandlers() {
  AddBtn.onClick = [this] { Add(); };
  DelBtn.onClick = [this] { DeleteRec(); };
  SaveBtn.onClick = [this] { Save(); };
  AllClearBtn.onClick = [this] { AllClear(); };
  Button2.onClick = [this] { Button2Click(); };
  Button3.onClick = [this] { Button3Click(); };
  Lista.onClick = [this] { ListaClick(); };
  Lista.onDblClick = [this] { ListaDblClick(); };
  ClearTimer.onTimer = [this] { ClearTimerTimer(); };
  Button7.onClick = [this] { Button7Click(); };
  Sz.onClick = [this] { SzClick(); };
  Sz2.onClick = [this] { Sz2Click(); };
  Sz3.onClick = [this] { Sz3Click(); };
  Lista.onColumnClick = [this](int column) { ListaColumnClick(column); };
  Button1.onClick = [this] { Button1Click(); };
  Button5.onClick = [this] { Button5Click(); };
  Button6.onClick = [this] { Button6Click(); };
  ExportBtn.onClick = [this] { ExportBtnClick(); };
  Button4.onClick = [this] { Button4Click(); };
  Button8.onClick = [this] { Button4Click(); };
  r1.onClick = [this] { r1Click(); };
  r2.onClick = [this] { r2Click(); };
  r3.onClick = [this] { r3Click(); };
  r4.onClick = [this] { r4Click(); };
  r5.onClick = [this] { r5Click(); };
  r6.onClick = [this] { r6Click(); };
  r7.onClick = [this] { r7Click(); };
  // Bound after "Text Text" was put in, so that no colour dialog opens at start.
  C.onChange = [this] { CChange(); };
  C.onDblClick = [this] { CDblClick(); };
}

void TMainWindow::CreateLinkStrip() {
  FontInfo linkFont{L"MS Sans Serif", 10, toolkit::fsBold | toolkit::fsUnderline,
                    DEFAULT_CHARSET, kBlue};
  const auto font = std::make_shared<const toolkit::Font>(linkFont);
  // Only r1 and r2 have captions at design; the link list gives all seven at the first showing.
  const int ids[] = {id::r1, id::r2, id::r3, id::r4, id::r5, id::r6, id::r7};
  const auto labels = LinkLabels();
  for (int k = 0; k < kLinkCount; ++k) {
    const std::wstring caption = k < 2 ? std::wstring(kDefaultLinkCaptions[k]) : L"";
    labels[k]->SetFont(font);
    labels[k]->cursor = IDC_HAND;
    labels[k]->Create(Panel1, ids[k], caption, At(kLinkDesignLefts[k], 1, 0, 0), true);
  }
}

void TMainWindow::CreateEditPanel() {
  FontInfo redBold = GetFont();
  redBold.style = toolkit::fsBold;
  redBold.color = kRed;
  const auto red = std::make_shared<const toolkit::Font>(redBold);
  Button7.SetFont(red);
  Button2.SetFont(red);
  Button3.SetFont(red);

  // Created in the keyboard focus order; the zero-size SaveBtn follows AllClearBtn.
  Label1.Create(Panel3, id::Label1, L"Tytuł polski", At(8, 4, 120, 14));
  p.Create(Panel3, id::p, At(8, 19, 128, 21));
  Button7.Create(Panel3, id::Button7, L"D", At(138, 19, 20, 21), true);
  Button2.Create(Panel3, id::Button2, L"Wklej", At(160, 19, 34, 21), true);
  Label2.Create(Panel3, id::Label2, L"Tytuł oryginalny", At(8, 44, 120, 14));
  O.Create(Panel3, id::O, At(8, 59, 150, 21));
  Button3.Create(Panel3, id::Button3, L"Wklej", At(160, 59, 34, 21), true);
  Label3.Create(Panel3, id::Label3, L"Gatunek", At(8, 84, 120, 14));
  g.Create(Panel3, id::g, At(8, 99, 186, 21), kGenres);
  Label4.Create(Panel3, id::Label4, L"Ilość płyt", At(8, 125, 70, 14));
  i.Create(Panel3, id::i, At(8, 140, 60, 21), 1);
  Label5.Create(Panel3, id::Label5, L"Nośnik ", At(80, 125, 70, 14));
  n.Create(Panel3, id::n, At(80, 140, 114, 21), kMedia);
  Al.Create(Panel3, id::Al, L"", At(8, 168, 16, 16));
  NP.Create(Panel3, id::NP, L"", At(30, 168, 16, 16));
  AddBtn.Create(Panel3, id::AddBtn, L"Dodaj wpis", At(8, 190, 186, 25));
  DelBtn.Create(Panel3, id::DelBtn, L"Usuń wpis", At(8, 218, 186, 25));
  AllClearBtn.Create(Panel3, id::AllClearBtn, L"Dodaj opis", At(8, 246, 186, 25));
  SaveBtn.Create(Panel3, id::SaveBtn, L"Zapisz zmiany", At(8, 271, 0, 0));
  SaveBtn.SetEnabled(false);
  ExportBtn.Create(Panel3, id::ExportBtn, L"Generuj listę w HTML", At(8, 280, 186, 25));
  Button4.Create(Panel3, id::Button4, L"Podgląd HTML", At(8, 308, 186, 25));
  ss.Create(Panel3, id::ss, At(8, 344, 186, 21));
  Button1.Create(Panel3, id::Button1, L"Szukaj", At(8, 368, 60, 25));
  Button5.Create(Panel3, id::Button5, L"Następny", At(70, 368, 62, 25));
  Button6.Create(Panel3, id::Button6, L"Poprzedni", At(134, 368, 60, 25));
  Button8.Create(Panel3, id::Button8, L"Szukaj w internecie", At(8, 396, 186, 25));
  C.Create(Panel3, id::C, At(8, 432, 186, 21), L"Text Text");
  Sz.Create(Panel3, id::Sz, L"Sz", At(0, 0, 0, 0));
  Sz2.Create(Panel3, id::Sz2, L"Sz", At(0, 0, 0, 0));
  Sz3.Create(Panel3, id::Sz3, L"Sz", At(0, 0, 0, 0));
  HTML.Create(Panel3, id::HTML, At(8, 460, 186, 40), L"HTML");
  HTML.SetVisible(false);

  AddHint(Button7, L"Dodaj z pliku");
  AddHint(Al, L"Automatycznie dodawaj do listy");
  AddHint(NP, L"Nazwa pliku");
  AddHint(C, L"Kolor czcionki, tła");
}

void TMainWindow::CreateMenus() {
  PopupMenu1.Add(L"Notatnik", [this] { Notatnik1Click(); });
  PopupMenu1.AddSeparator();
  PopupMenu1.Add(L"Usuń wpis", [this] { DeleteRec(); });
  PopupMenu1.AddSeparator();
  PopupMenu1.Add(L"Dodaj wpis", [this] { Add(); });
  PopupMenu1.AddSeparator();
  PopupMenu1.Add(L"Wyczyść pola", [this] { AllClear(); });  // opens the description
  PopupMenu1.AddSeparator();
  PopupMenu1.Add(L"Generuj listę w HTML", [this] { ExportBtnClick(); });
  PopupMenu1.AddSeparator();
  PopupMenu1.Add(L"Podgląd HTML", [this] { Button4Click(); });  // the web title search
  PopupMenu1.AddSeparator();
  z = PopupMenu1.Add(L"Zawsze na wierzchu", [this] { zClick(); });
  PopupMenu1[z].checked = true;
  PopupMenu1[z].visible = false;
  z2 = PopupMenu1.Add(L"Zawsze na wierzchu", [this] { z2Click(); });
  PopupMenu1.AddSeparator();
  PopupMenu1.Add(L"Usuń duplikaty", [this] { Usuduplikaty1Click(); });
  Lista.popupMenu = &PopupMenu1;

  PopupMenu2.Add(L"Czcionka", [this] { Czcionka1Click(); });
  PopupMenu2.AddSeparator();
  PopupMenu2.Add(L"Kolor czcionki", [this] { CChange(); });
  PopupMenu2.AddSeparator();
  PopupMenu2.Add(L"Kolor tła", [this] { CDblClick(); });
  C.popupMenu = &PopupMenu2;
}

}  // namespace kadrion
