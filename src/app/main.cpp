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
  toolkit::KernelHandle mutex(CreateMutexW(nullptr, FALSE, L"Kadrion 1.1"));
  if (GetLastError() != 0) {
    kadrion::app::HandOverToRunningCopy();
    return 0;
  }

  toolkit::ProgramTitle title;
  toolkit::SystemDialogs dialogs(title);
  toolkit::Application application(title, dialogs);
  try {
    toolkit::SystemShell shell;
    toolkit::SystemKeyboard keyboard;
    toolkit::WebDownloader linkSource;
    components::SystemNotificationArea notificationArea;
    toolkit::SystemRecycleBin recycleBin;
    kadrion::app::Program program(
        {toolkit::ProgramFolder(), toolkit::SystemTempFolder()},
        {dialogs, shell, keyboard, &linkSource, notificationArea, recycleBin}, application);
    program.Start();
    return application.Run();
  } catch (...) {
    application.Errors().ShowCurrentException();
    return 1;
  }
}
