#include "app/notepad_window.h"

#include "app/control_ids.h"
#include "core/line_breaks.h"
#include "toolkit/dpi.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"

namespace kadrion::app {

namespace {

constexpr COLORREF kBackground = 14548991;  // pale yellow

constexpr wchar_t kNotesKept[] =
    L"Notatnik otworzy się, gdy plik da się odczytać; do tego czasu plik zostaje bez zmian.";
constexpr wchar_t kCharactersReplaced[] =
    L"Niektórych znaków nie da się zapisać w notatkach (strona kodowa 1250); zastąpiono je "
    L"podobnymi lub znakiem \u201E?\u201D.";

}  // namespace

NotepadWindow::NotepadWindow(const features::AppPaths& paths, toolkit::Dialogs& dialogs,
                             toolkit::ErrorGuard& errors)
    : Form(L"TForm1"), paths_(paths), dialogs_(dialogs), errors_(errors) {}

void NotepadWindow::Create() {
  CreateForm(L"Notatnik", toolkit::ScaledRect(202, 130, 493, 320));
  toolkit::Panel& client = Client();
  RECT area{};
  GetClientRect(client.Handle(), &area);
  // Lines wrap, so only the vertical scroll bar has anything to do (a horizontal one would
  // turn the wrapping off in a Windows edit).
  notesMemo_.Create(client, id::form1::M, area);
  notesMemo_.SetAlignment(toolkit::Align::Client);
  notesMemo_.SetAccessibleName(L"Notatki");
  notesMemo_.SetColor(kBackground);
  notesMemo_.SetFont(toolkit::FontInfo{L"Trebuchet MS", 10, toolkit::fsBold, EASTEUROPE_CHARSET,
                                       GetSysColor(COLOR_WINDOWTEXT)});
  client.Realign();
  // The notepad stays above other windows whatever the main window's setting.
  SetStacking(toolkit::Stacking::StayOnTop);
  onClose = [this] { WriteNotes(); };
  errors_.Guard([this] { ReadNotes(); });
}

void NotepadWindow::Open() {
  ReadNotes();
  Show();
  BringToFront();
}

void NotepadWindow::WriteNotesIfOpen() {
  if (Visible()) WriteNotes();
}

void NotepadWindow::ReadNotes() {
  notesGuard_.Read([this] {
    const std::wstring path = paths_.NotesPath();
    try {
      if (toolkit::FileExists(path))
        notesMemo_.SetText(core::WithCrLf(toolkit::ReadWholeFile(path)));
    } catch (const core::Failure& error) {
      throw core::Failure(error.Message() + L"\n\n" + kNotesKept, error.SystemCode());
    }
  });
}

void NotepadWindow::WriteNotes() {
  notesGuard_.Write([this] {
    bool replaced = false;
    toolkit::WriteWholeFile(paths_.NotesPath(), toolkit::ToCp1250(notesMemo_.WText(), &replaced));
    if (replaced) dialogs_.ShowMessage(Handle(), kCharactersReplaced);
  });
}

}  // namespace kadrion::app
