#pragma once
// The program's windows started in-process as the program starts them, over a fresh program
// folder, with recording services; controls found by their design ids as outside tools find
// them; and the user's ways of acting on them.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/program.h"
#include "core/record_codec.h"
#include "test_support.h"
#include "toolkit/application.h"

namespace kadrion::app {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::Dialogs().Clear();
    testing_support::Shell().opened.clear();
    folder.MakeProgramFolders();
    testing_support::WriteFileText(Dat(), "");
  }

  // The program's folder doubles as the temporary folder; the link list comes from
  // `linkSource`, or is never downloaded.
  features::AppPaths Paths() const { return features::AppPaths{folder.Path(), folder.Path()}; }
  std::wstring Dat() const { return folder / L"Dane\\Dane.dat"; }
  std::wstring Ini() const { return folder / L"Dane\\Baza.ini"; }
  std::string Setting(const char* key) const {
    return testing_support::IniValue(Ini(), "Ustawienia", key);
  }

  // The windows, made but not created (a test that starts them its own way).
  Program& Make() {
    program.reset();
    program =
        std::make_unique<Program>(Paths(),
                                  Services{testing_support::Dialogs(), testing_support::Shell(),
                                           keyboard, linkSource, notificationArea, recycleBin},
                                  testing_support::TestApplication());
    return *program;
  }
  // Starts the program as it starts, over a catalogue file of these films.
  void Start(const std::vector<core::FilmEntry>& films) {
    testing_support::WriteFileBytes(Dat(), CatalogueBytes(films));
    Start();
  }
  // Starts the program over the files as they are (a restart keeps them).
  void Start() {
    Make().Start();
    testing_support::Pump();
  }

  MainWindow& Main() { return program->Main(); }
  DescriptionWindow& Description() { return program->Description(); }
  NotepadWindow& Notepad() { return program->Notepad(); }
  // The films the windows show.
  core::Catalogue& Model() { return program->Films(); }

  // The control with this design id in a window.
  template <typename T>
  T& Find(const toolkit::Form& window, int id) {
    auto* control = dynamic_cast<T*>(
        toolkit::Control::FromHandle(testing_support::FindChild(window.Handle(), id)));
    if (!control) throw std::logic_error("no such control: id " + std::to_string(id));
    return *control;
  }
  template <typename T = toolkit::Button>
  T& InMain(int id) {
    return Find<T>(Main(), id);
  }
  template <typename T = toolkit::Button>
  T& InDescription(int id) {
    return Find<T>(Description(), id);
  }
  features::FilmList& List() { return InMain<features::FilmList>(id::Lista); }
  toolkit::Edit& Field(int id) { return InMain<toolkit::Edit>(id); }
  // The text of a control of the main window, as the user reads and types it.
  std::wstring TextOf(int id) { return InMain<toolkit::Control>(id).WText(); }
  void SetTextOf(int id, const std::wstring& text) { InMain<toolkit::Control>(id).SetWText(text); }
  toolkit::Memo& DescriptionText() { return InDescription<toolkit::Memo>(id::form2::Op); }
  toolkit::Memo& Notes() { return Find<toolkit::Memo>(Notepad(), id::form1::M); }

  static std::vector<std::uint8_t> CatalogueBytes(const std::vector<core::FilmEntry>& films) {
    std::vector<std::uint8_t> bytes(films.size() * core::kRecordSize);
    for (std::size_t k = 0; k < films.size(); ++k)
      core::EncodeRecord(
          films[k], std::span(bytes).subspan(k * core::kRecordSize).first<core::kRecordSize>());
    return bytes;
  }
  static std::vector<core::FilmEntry> CatalogueFilms(const std::vector<std::uint8_t>& bytes) {
    core::FilmStore store;
    core::DecodeRecords(bytes, store);
    std::vector<core::FilmEntry> films;
    for (const core::FilmView film : store) films.push_back(film.Entry());
    return films;
  }

  // What the list view reports to its window, as a click of the user does.
  void ListNotify(UINT code) {
    NMHDR header{List().Handle(), static_cast<UINT_PTR>(id::Lista), code};
    SendMessageW(GetParent(List().Handle()), WM_NOTIFY, header.idFrom,
                 reinterpret_cast<LPARAM>(&header));
  }
  void ClickRow(int row) {
    List().Select(row);
    ListNotify(NM_CLICK);
  }
  void DoubleClickRow(int row) {
    ClickRow(row);
    ListNotify(NM_DBLCLK);
  }
  void ClickHeader(int column) {
    NMLISTVIEW info{};
    info.hdr = {List().Handle(), static_cast<UINT_PTR>(id::Lista),
                static_cast<UINT>(LVN_COLUMNCLICK)};
    info.iItem = -1;
    info.iSubItem = column;
    SendMessageW(GetParent(List().Handle()), WM_NOTIFY, info.hdr.idFrom,
                 reinterpret_cast<LPARAM>(&info));
  }
  static void Press(toolkit::Control& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }
  void Press(int mainId) { Press(InMain(mainId)); }
  // A zero-size button cannot be clicked: it is reached with Tab and pressed with Space.
  static void PressWithKeyboard(toolkit::Control& button) {
    button.Focus();
    SendMessageW(button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(button.Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  }
  // A key typed into a window of the program: posted, as the keyboard does, through the message
  // loop, with Ctrl, Shift and Alt held as asked (Ctrl with Alt is how AltGr comes).
  static void Type(HWND target, WPARAM key, bool control = false, bool shift = false, bool alt = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE before[3] = {keys[VK_CONTROL], keys[VK_SHIFT], keys[VK_MENU]};
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    testing_support::Pump();
    keys[VK_CONTROL] = before[0];
    keys[VK_SHIFT] = before[1];
    keys[VK_MENU] = before[2];
    SetKeyboardState(keys);
  }
  // The list's menu as the user sees it: the shown items, "" for a separator, "[x] " before a
  // checked one.
  std::vector<std::wstring> ListMenu() {
    std::vector<std::wstring> shown;
    const toolkit::PopupMenu& menu = *List().ContextMenu();
    for (int item = 0; item < menu.Count(); ++item)
      if (menu[item].visible)
        shown.push_back((menu[item].checked ? L"[x] " : L"") + menu[item].caption);
    return shown;
  }
  // Chooses the shown item of the list's menu with this caption.
  void ChooseFromListMenu(const std::wstring& caption) {
    toolkit::PopupMenu& menu = *List().ContextMenu();
    for (int item = 0; item < menu.Count(); ++item)
      if (menu[item].caption == caption && menu[item].visible) {
        testing_support::TestApplication().Errors().Guard([&] { menu.Click(item); });
        return;
      }
    ADD_FAILURE() << "no menu item";
  }

  // The Polish titles of the list, in display order, each followed by a comma.
  std::string Titles() {
    std::string titles;
    for (const core::FilmView film : Model().Films()) (titles += film.polishTitle) += ',';
    return titles;
  }
  // A cell as the list view shows it.
  std::wstring Cell(int row, int column) {
    wchar_t text[512] = L"";
    ListView_GetItemText(List().Handle(), row, column, text, 512);
    return text;
  }
  std::wstring Status(int panel = 0) {
    return InMain<toolkit::StatusBar>(id::StatusBar).PanelText(panel);
  }
  // Closes as the caption's close button does; true when the window went away.
  static bool CloseWindow(toolkit::Form& window) {
    window.Close();
    testing_support::Pump();
    return !IsWindow(window.Handle());
  }

  testing_support::TempFolder folder;
  testing_support::RecordingKeyboard keyboard;
  testing_support::RecordingNotificationArea notificationArea;
  testing_support::RecordingRecycleBin recycleBin;
  toolkit::Downloader* linkSource = nullptr;
  std::unique_ptr<Program> program;
};

}  // namespace kadrion::app
