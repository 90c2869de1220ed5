#pragma once
// The notepad "TForm1", caption "Notatnik": free notes kept in "Dane\Notatnik.ini" beside the
// program (plain text despite the name). Created once, hidden; always stays on top; closing
// it writes the notes and hides it.
#include "core/read_guard.h"
#include "features/app_paths.h"
#include "toolkit/controls.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_guard.h"
#include "toolkit/form.h"

namespace kadrion::app {

class NotepadWindow : public toolkit::Form {
 public:
  // `dialogs` says when the notes hold characters the notes file cannot; `errors` shows an
  // error reading them at the start.
  NotepadWindow(const features::AppPaths& paths, toolkit::Dialogs& dialogs,
                toolkit::ErrorGuard& errors);

  // Creates the hidden window and reads the notes.
  void Create();
  // Shows the window in front. Notes that could not be read at the start are read first; while
  // they still cannot be, this raises the error and the window stays hidden, so that closing it
  // never writes over notes it never showed.
  void Open();

  // At the end of the program: writes the notes when the window is open; a hidden window's
  // notes were written when it was closed. Raises an error naming the file when that fails.
  void WriteNotesIfOpen();

 private:
  // Reads the notes unless they were read already.
  void ReadNotes();
  void WriteNotes();

  const features::AppPaths& paths_;
  toolkit::Dialogs& dialogs_;
  toolkit::ErrorGuard& errors_;
  toolkit::Memo notesMemo_;
  core::ReadGuard notesGuard_;
};

}  // namespace kadrion::app
