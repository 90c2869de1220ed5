#pragma once
// A fresh program folder with its main window, and the side windows created after it as the
// program creates them. Each test starts what it needs.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "test_support.h"
#include "windows/description_window.h"
#include "windows/notepad_window.h"

namespace kadrion {

class ProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::Dialogs().Clear();
    folder.MakeProgramFolders();
    testing_support::WriteFileText(folder / L"Dane\\Dane.dat", "");
  }

  // The program's folder doubles as the temporary folder; the link list is never downloaded.
  AppPaths Paths() const { return AppPaths{folder.Path(), folder.Path()}; }

  void StartMain() {
    main = std::make_unique<TMainWindow>(Paths());
    main->Create();
    main->Show();
  }
  void StartNotepad() {
    notepad = std::make_unique<TForm1>(Paths());
    notepad->Create();
    main->Form1 = notepad.get();
  }
  // A new description window, as at the next start of the program.
  void StartDescription(bool onTop) {
    form.reset();
    form = std::make_unique<TForm2>(Paths(), keyboard);
    form->Create(onTop);
    main->Form2 = form.get();
  }

  testing_support::TempFolder folder;
  testing_support::RecordingKeyboard keyboard;
  // Declared before the side windows, so that it goes last.
  std::unique_ptr<TMainWindow> main;
  std::unique_ptr<TForm1> notepad;
  std::unique_ptr<TForm2> form;
};

}  // namespace kadrion
