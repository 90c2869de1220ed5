#pragma once
// A film's description in the description window: loaded from its file under "Opisy",
// edited, cleared and saved back; changed text is never replaced without asking.
#include <string>

#include "features/app_paths.h"
#include "toolkit/controls.h"
#include "toolkit/dialogs.h"

namespace kadrion::features {

class DescriptionEditor {
 public:
  // `window` is the description window, the owner of the question while it is shown.
  DescriptionEditor(toolkit::Memo& text, toolkit::Dialogs& dialogs, const AppPaths& paths,
                    const toolkit::Control& window);

  // Loads the description of the film with this Polish title (Windows-1250); a title without
  // a description file loads an empty text. Text changed since it was loaded or saved is
  // offered for saving first: false when the user keeps it ("Anuluj"); a failed save raises
  // its error. Either way nothing changes then.
  bool Load(const std::string& polishTitle);
  // Writes the text into the file of the film loaded last. Raises an error naming the file,
  // or the title when it names no file of "Opisy" (a path outside it, a device).
  void Save();
  // Before the window closes or the program ends: changed text is offered for saving. "Tak"
  // saves it (a failed save raises its error and keeps the text), "Nie" puts back the text as
  // last loaded or saved; false for "Anuluj", and nothing changes.
  bool ConfirmClose();
  // The session ends, with no one to ask: changed text is saved.
  void SaveIfModified() {
    if (Modified()) Save();
  }
  // The description loaded is that of `from`: it becomes that of `to`, its text as it is; false
  // (and nothing changes) when another one is loaded.
  bool Retitle(const std::string& from, const std::string& to);
  void Clear();
  // Whether the text differs from what was last loaded or saved.
  bool Modified() const;
  std::string Title() const { return title_; }

 private:
  // Asks `question` about changed text: false for "Anuluj"; "Tak" saves first.
  bool OfferSaving(const std::wstring& question);

  toolkit::Memo& text_;
  toolkit::Dialogs& dialogs_;
  const AppPaths& paths_;
  const toolkit::Control& window_;
  std::string title_;       // the Polish title of the film loaded last
  std::wstring savedText_;  // the text as last loaded or saved
};

}  // namespace kadrion::features
