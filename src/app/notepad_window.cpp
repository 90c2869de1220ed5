#include "app/notepad_window.h"

#include "app/control_ids.h"
#include "core/line_breaks.h"
#include "toolkit/application.h"
#include "toolkit/dpi.h"
#include "toolkit/files.h"
#include "toolkit/text.h"

namespace kadrion {

namespace {

constexpr COLORREF kBackground = 14548991;  // pale yellow

}  // namespace

NotepadWindow::NotepadWindow(const AppPaths& paths) : Form(L"TForm1"), paths_(paths) {}

void NotepadWindow::Create() {
  CreateForm(L"Notatnik", toolkit::ScaledRect(202, 130, 493, 320));
  toolkit::Panel& client = Client();
  RECT area{};
  GetClientRect(client.Handle(), &area);
  // Lines wrap, so only the vertical scroll bar has anything to do (a horizontal one would
  // turn the wrapping off in a Windows edit).
  notesMemo_.Create(client, id::form1::M, area);
  notesMemo_.SetAlignment(toolkit::Align::Client);
  notesMemo_.SetColor(kBackground);
  notesMemo_.SetFont(toolkit::FontInfo{L"Trebuchet MS", 10, toolkit::fsBold, EASTEUROPE_CHARSET,
                                       GetSysColor(COLOR_WINDOWTEXT)});
  client.Realign();
  // The notepad stays above other windows whatever the main window's setting.
  SetStayOnTop(true);
  onClose = [this] { WriteNotes(); };
  toolkit::Application::Instance().Guard([this] { ReadNotes(); });
}

void NotepadWindow::WriteNotesIfOpen() {
  if (Visible()) WriteNotes();
}

void NotepadWindow::ReadNotes() {
  const std::wstring path = paths_.NotesPath();
  if (toolkit::FileExists(path)) notesMemo_.SetText(WithCrLf(toolkit::ReadWholeFile(path)));
}

void NotepadWindow::WriteNotes() {
  toolkit::WriteWholeFile(paths_.NotesPath(), toolkit::ToCp1250(notesMemo_.WText()));
}

}  // namespace kadrion
