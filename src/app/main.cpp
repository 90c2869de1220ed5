// Kadrion: start-up. One copy runs at a time; the second one ends silently.
#include "app/program.h"
#include "app/single_instance.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/download.h"
#include "toolkit/files.h"
#include "toolkit/handles.h"
#include "toolkit/keyboard.h"
#include "toolkit/recycle_bin.h"
#include "toolkit/shell.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The mutex is only a marker that another copy runs; it stays open until the process ends.
  kadrion::toolkit::KernelHandle mutex(CreateMutexW(nullptr, FALSE, L"Kadrion 1.1"));
  if (GetLastError() != 0) {
    kadrion::app::HandOverToRunningCopy();
    return 0;
  }

  kadrion::toolkit::ProgramTitle title;
  kadrion::toolkit::SystemDialogs dialogs(title);
  kadrion::toolkit::Application application(title, dialogs);
  try {
    kadrion::toolkit::SystemShell shell;
    kadrion::toolkit::SystemKeyboard keyboard;
    kadrion::toolkit::WebDownloader linkSource;
    kadrion::components::SystemNotificationArea notificationArea;
    kadrion::toolkit::SystemRecycleBin recycleBin;
    kadrion::app::Program program(
        {kadrion::toolkit::ProgramFolder(), kadrion::toolkit::SystemTempFolder()},
        {dialogs, shell, keyboard, &linkSource, notificationArea, recycleBin}, application);
    program.Start();
    return application.Run();
  } catch (...) {
    application.Errors().ShowCurrentException();
    return 1;
  }
}
