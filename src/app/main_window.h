#pragma once
// The main window: the catalogue list, the right-hand panel of edits and buttons, the link
// strip and the status bar; loads the catalogue and the settings when created, writes both
// back when closed.
#include <array>
#include <memory>
#include <string>

#include "app/paths.h"
#include "catalogue/film_list.h"
#include "components/window_decorations.h"
#include "core/film_order.h"
#include "core/link_list.h"
#include "toolkit/controls.h"
#include "toolkit/download.h"
#include "toolkit/form.h"
#include "toolkit/ini_file.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"

namespace kadrion {

class TForm1;
class TForm2;

class TMainWindow : public toolkit::Form {
 public:
  // `linkSource` fetches the remote link list at the first showing; without one the download
  // counts as failed at once (tests, measurements).
  explicit TMainWindow(AppPaths paths, toolkit::Downloader* linkSource = nullptr);

  // Creates the window and its controls and runs FormCreate; the window stays hidden until
  // Show (which runs FormShow first).
  void Create();

  const AppPaths& Paths() const { return paths_; }

  // Event handlers.
  void FormCreate();
  void FormShow();
  void FormClose();

  // The catalogue file.
  void LoadCatalogue();
  void WriteCatalogue();
  // The settings file.
  void LoadSettings();
  void SaveSettings();
  // Editing entries.
  void Add();
  void DeleteRec();
  void ListaClick();
  void ListaDblClick();
  void Save();
  void Button2Click();
  void Button3Click();
  void ClearTimerTimer();
  void AllClear();
  // Titles from media files.
  void Button7Click();
  void SzClick();
  void Sz2Click();
  void Sz3Click();
  // Sorting and duplicate removal.
  void ListaColumnClick(int column);
  void Usuduplikaty1Click();
  // Search.
  void Button1Click();
  void Button5Click();
  void Button6Click();
  // The HTML list and the web title search.
  void ExportBtnClick();
  void Button4Click();
  // The link strip: the first-show link block, the launch counter save of FormClose, and the
  // clicks on r1 to r7.
  void ShowLinks();
  void SaveLaunchCounter();
  void r1Click();
  void r2Click();
  void r3Click();
  void r4Click();
  void r5Click();
  void r6Click();
  void r7Click();
  // What the link block took from the link list, and the count of starts with a download.
  const std::wstring& LinkTarget(int index) const { return linkTargets_[index]; }
  int LaunchCounter() const { return launchCounter_; }
  // The list's colours and font through the colour sample `C`, and always-on-top.
  void CDblClick();
  void CChange();
  void Czcionka1Click();
  void zClick();
  void z2Click();
  void Notatnik1Click();

  // The notepad, created after this one; "Notatnik" shows it, and closing this window writes
  // its notes when it is open.
  TForm1* Form1 = nullptr;
  // The description window, created after the notepad; AllClear opens it.
  TForm2* Form2 = nullptr;
  // The always-on-top setting, which the side windows follow.
  bool AlwaysOnTop() const { return PopupMenu1[z].visible; }

  // The status line: "Rekordów: " and the row count; the long form adds the selected position.
  void SetStatusLine(bool longForm);

  // Controls, named as in the window's design.
  toolkit::Panel Panel1;
  toolkit::Label r1, r2, r3, r4, r5, r6, r7;
  toolkit::StatusBar StatusBar;
  toolkit::Panel Panel3;
  toolkit::Label Label1, Label2, Label3, Label4, Label5;
  toolkit::Edit p;
  toolkit::Button Button7;
  toolkit::Button Button2;
  toolkit::Edit O;
  toolkit::Button Button3;
  toolkit::ComboBox g;
  toolkit::SpinEdit i;
  toolkit::ComboBox n;
  toolkit::CheckBox Al, NP;
  toolkit::Button AddBtn, DelBtn, AllClearBtn, SaveBtn;
  toolkit::Button ExportBtn, Button4;
  toolkit::Edit ss;
  toolkit::Button Button1, Button5, Button6, Button8;
  toolkit::Edit C;
  toolkit::Button Sz, Sz2, Sz3;
  toolkit::Memo HTML;
  TFilmList Lista;

  toolkit::PopupMenu PopupMenu1;
  int z = -1, z2 = -1;  // the two "Zawsze na wierzchu" items of PopupMenu1
  toolkit::PopupMenu PopupMenu2;
  toolkit::Timer ClearTimer{3000};
  // FormTrayIcon1 and FormRoller1 in the caption bar, made once the window exists.
  std::unique_ptr<components::MainWindowDecorations> decorations;

 private:
  void CreateControls();
  void CreateLinkStrip();
  void CreateEditPanel();
  void CreateMenus();
  void BindHandlers();
  FilmEntry EntryFromEdits() const;
  // Selects a found row, scrolls it near the top and shows its position.
  void SelectFound(int row);
  std::array<toolkit::Label*, kLinkCount> LinkLabels() {
    return {&r1, &r2, &r3, &r4, &r5, &r6, &r7};
  }
  // Opens a link target or the announcement page: web addresses only, maximised.
  void OpenWebPage(const std::wstring& address);

  AppPaths paths_;
  toolkit::IniFile settings_;
  ColumnSort columnSort_;
  toolkit::Downloader* linkSource_;
  std::array<std::wstring, kLinkCount> linkTargets_;
  std::wstring announcement_;
  int launchCounter_ = 0;
};

}  // namespace kadrion
