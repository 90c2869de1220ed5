// Kadrion: start-up. One copy runs at a time; the second one ends silently.
#include "app/main_window.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/download.h"
#include "toolkit/files.h"
#include "toolkit/handles.h"
#include "toolkit/keyboard.h"
#include "windows/description_window.h"
#include "windows/notepad_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The mutex is only a marker that another copy runs; it stays open until the process ends.
  toolkit::KernelHandle mutex(CreateMutexW(nullptr, FALSE, L"Kadrion 1.1"));
  if (GetLastError() != 0) return 0;

  toolkit::SystemDialogs dialogs;
  toolkit::SystemShell shell;
  toolkit::Application application(dialogs, shell);
  toolkit::SystemKeyboard keyboard;
  try {
    const kadrion::AppPaths paths{toolkit::ProgramFolder(), toolkit::SystemTempFolder()};
    toolkit::WebDownloader linkSource;
    kadrion::TMainWindow MainWindow(paths, &linkSource);
    MainWindow.Create();
    MainWindow.Show();
    // The side windows are created hidden: the notepad first, then the description window.
    kadrion::TForm1 Form1(paths);
    Form1.Create();
    MainWindow.Form1 = &Form1;
    kadrion::TForm2 Form2(paths, keyboard);
    Form2.Create(MainWindow.AlwaysOnTop());
    MainWindow.Form2 = &Form2;
    return application.Run();
  } catch (...) {
    application.ShowCurrentException();
    return 1;
  }
}
