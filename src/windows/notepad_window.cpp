// The notepad window: its layout and the notes file.
#include "windows/notepad_window.h"

#include <cstdint>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "core/line_breaks.h"
#include "toolkit/application.h"
#include "toolkit/files.h"
#include "toolkit/text.h"

namespace kadrion {

namespace {

constexpr RECT kDesignBounds{202, 130, 202 + 493, 130 + 320};
constexpr COLORREF kBackground = 14548991;  // pale yellow

}  // namespace

TForm1::TForm1(AppPaths paths) : Form(L"TForm1"), paths_(std::move(paths)) {}

void TForm1::Create() {
  CreateForm(L"Notatnik", kDesignBounds);
  toolkit::Panel& client = Client();
  RECT area{};
  GetClientRect(client.Handle(), &area);
  // Lines wrap, so only the vertical scroll bar has anything to do (a horizontal one would
  // turn the wrapping off in a Windows edit).
  M.Create(client, id::form1::M, area);
  M.align = toolkit::Align::Client;
  M.SetColor(kBackground);
  M.SetFont(toolkit::FontInfo{L"Trebuchet MS", 10, toolkit::fsBold, EASTEUROPE_CHARSET,
                              GetSysColor(COLOR_WINDOWTEXT)});
  client.Realign();
  // The notepad stays above other windows whatever the main window's setting.
  SetStayOnTop(true);
  onClose = [this] { FormClose(); };
  toolkit::Application::Instance().Guard([this] { FormCreate(); });
}

void TForm1::FormCreate() { ReadNotes(); }

void TForm1::FormClose() { WriteNotes(); }

void TForm1::WriteNotesIfOpen() {
  if (IsWindowVisible(Handle())) WriteNotes();
}

void TForm1::ReadNotes() {
  const std::wstring path = paths_.NotesPath();
  if (!toolkit::FileExists(path)) return;
  toolkit::FileReader reader(path);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(reader.Size()));
  bytes.resize(reader.Read(bytes));
  M.SetText(WithCrLf(std::string(bytes.begin(), bytes.end())));
}

void TForm1::WriteNotes() {
  const std::string bytes = toolkit::ToCp1250(M.WText());
  toolkit::AtomicFileWriter file(paths_.NotesPath());
  file.Write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  file.Commit();
}

}  // namespace kadrion
