#pragma once
// A main window over a fresh program folder, and the user's ways of acting on it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "test_support.h"
#include "toolkit/application.h"

namespace kadrion {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::Dialogs().Clear();
    testing_support::Shell().opened.clear();
    folder.MakeProgramFolders();
    testing_support::WriteFileText(folder / L"Dane\\Dane.dat", "");
  }

  // The link strip's two files go to the test folder; the link list is fetched from
  // `linkSource`, or not at all (never from the internet).
  void Start(const std::vector<FilmEntry>& films) {
    window = std::make_unique<TMainWindow>(AppPaths{folder.Path(), folder.Path()}, linkSource);
    window->Create();
    window->Show();
    window->Lista.Assign(films);
    testing_support::Pump();
  }

  // What the list view reports to its window, as a click of the user does.
  void ListNotify(UINT code) {
    NMHDR header{window->Lista.Handle(), static_cast<UINT_PTR>(window->Lista.Id()), code};
    SendMessageW(GetParent(window->Lista.Handle()), WM_NOTIFY, header.idFrom,
                 reinterpret_cast<LPARAM>(&header));
  }
  void ClickRow(int row) {
    window->Lista.Select(row);
    ListNotify(NM_CLICK);
  }
  void DoubleClickRow(int row) {
    ClickRow(row);
    ListNotify(NM_DBLCLK);
  }
  void ClickHeader(int column) {
    NMLISTVIEW info{};
    info.hdr = {window->Lista.Handle(), static_cast<UINT_PTR>(window->Lista.Id()),
                static_cast<UINT>(LVN_COLUMNCLICK)};
    info.iItem = -1;
    info.iSubItem = column;
    SendMessageW(GetParent(window->Lista.Handle()), WM_NOTIFY, info.hdr.idFrom,
                 reinterpret_cast<LPARAM>(&info));
  }
  void Press(toolkit::Button& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }
  // A zero-size button cannot be clicked: it is reached with Tab and pressed with Space.
  void PressWithKeyboard(toolkit::Button& button) {
    button.Focus();
    SendMessageW(button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(button.Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  }
  // The list's menu item with this caption.
  void ChooseFromListMenu(const std::wstring& caption) {
    for (int item = 0; item < window->PopupMenu1.Count(); ++item)
      if (window->PopupMenu1[item].caption == caption && window->PopupMenu1[item].visible) {
        toolkit::Application::Instance().Guard([&] { window->PopupMenu1.Click(item); });
        return;
      }
    ADD_FAILURE() << "no menu item";
  }

  // The Polish titles of the list, in display order, each followed by a comma.
  std::string Titles() const {
    std::string titles;
    for (const auto& film : window->Lista.Rows()) titles += film.polishTitle + ",";
    return titles;
  }
  std::wstring Status(int panel = 0) const { return window->StatusBar.PanelText(panel); }

  testing_support::TempFolder folder;
  toolkit::Downloader* linkSource = nullptr;
  std::unique_ptr<TMainWindow> window;
};

}  // namespace kadrion
