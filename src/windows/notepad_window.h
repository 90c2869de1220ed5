#pragma once
// The notepad "Notatnik": free notes kept in "Dane\Notatnik.ini" beside the program (plain
// text despite the name). Created once, hidden; always stays on top; closing it writes the
// notes and hides it.
#include "app/paths.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace kadrion {

class TForm1 : public toolkit::Form {
 public:
  explicit TForm1(AppPaths paths);

  // Creates the hidden window and runs FormCreate, which reads the notes.
  void Create();

  // Event handlers.
  void FormCreate();
  void FormClose();

  // At the end of the program: writes the notes when the window is open; a hidden window's
  // notes were written when it was closed. Raises an error naming the file when that fails.
  void WriteNotesIfOpen();

  // The notes, filling the window.
  toolkit::Memo M;

 private:
  void ReadNotes();
  void WriteNotes();

  AppPaths paths_;
};

}  // namespace kadrion
