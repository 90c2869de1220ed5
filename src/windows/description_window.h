#pragma once
// The description window "Opis": shows and edits the free-text description of one film, kept
// in "Opisy\<Polish title>.txt" beside the program, and hands its text to an external speech
// reader. Created once, hidden; closing it only hides it.
#include <string>

#include "app/paths.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/ini_file.h"
#include "toolkit/keyboard.h"
#include "toolkit/panel.h"
#include "toolkit/timer.h"

namespace kadrion {

class TForm2 : public toolkit::Form {
 public:
  TForm2(AppPaths paths, toolkit::Keyboard& keyboard);

  // Creates the hidden window and runs FormCreate; `mainOnTop` is the main window's
  // always-on-top state, which this window follows.
  void Create(bool mainOnTop);

  // Loads the description of the film with this Polish title (Windows-1250) and shows the
  // window. Text changed since it was loaded or saved is offered for saving first; answering
  // "Anuluj", or a failed save, leaves everything as it was.
  void Open(const std::string& polishTitle);

  // Whether the text differs from what was last loaded or saved.
  bool Modified() const { return Op.WText() != savedText_; }

  // Event handlers.
  void FormCreate(bool mainOnTop);
  void FormClose();
  void KasujClick();
  void GuardarClick();
  void BitBtn2Click();
  void BitBtn3Click();
  // The speech reader hand-over.
  void lekClick();
  void LeTimer();
  void ledTimer();
  void lsTimer();

  // Controls, named as in the window's design.
  toolkit::Label Sc;  // hidden: the current title
  toolkit::Panel Panel1;
  toolkit::BitButton Kasuj, Guardar, lek, BitBtn2, BitBtn3;
  toolkit::Memo Op;
  toolkit::Timer Le{5}, led{5}, ls{5};

 private:
  void CreateControls();
  // The description file of `polishTitle`; raises an error for a title that would name a
  // file outside "Opisy".
  std::wstring DescriptionPath(const std::string& polishTitle) const;
  void Load(const std::wstring& path);
  void SendKey(BYTE key, bool release);
  void SendChord(BYTE letter);
  void ReleaseModifiers();

  AppPaths paths_;
  toolkit::IniFile settings_;
  toolkit::Keyboard& keyboard_;
  std::wstring savedText_;  // the text as last loaded or saved
};

}  // namespace kadrion
