// Kadrion: start-up. One copy runs at a time; the second one ends silently.
#include "app/main_window.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/files.h"
#include "toolkit/handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The mutex is only a marker that another copy runs; it stays open until the process ends.
  toolkit::KernelHandle mutex(CreateMutexW(nullptr, FALSE, L"Kadrion 1.1"));
  if (GetLastError() != 0) return 0;

  toolkit::SystemDialogs dialogs;
  toolkit::Application application(dialogs);
  try {
    kadrion::TMainWindow MainWindow(kadrion::AppPaths{toolkit::ProgramFolder()});
    MainWindow.Create();
    MainWindow.Show();
    // The notepad and the description window are created here, hidden.
    return application.Run();
  } catch (...) {
    application.ShowCurrentException();
    return 1;
  }
}
