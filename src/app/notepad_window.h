#pragma once
// The notepad "TForm1", caption "Notatnik": free notes kept in "Dane\Notatnik.ini" beside the
// program (plain text despite the name). Created once, hidden; always stays on top; closing
// it writes the notes and hides it.
#include "features/app_paths.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace kadrion {

class NotepadWindow : public toolkit::Form {
 public:
  explicit NotepadWindow(const AppPaths& paths);

  // Creates the hidden window and reads the notes.
  void Create();

  // At the end of the program: writes the notes when the window is open; a hidden window's
  // notes were written when it was closed. Raises an error naming the file when that fails.
  void WriteNotesIfOpen();

 private:
  void ReadNotes();
  void WriteNotes();

  const AppPaths& paths_;
  toolkit::Memo notesMemo_;
};

}  // namespace kadrion
