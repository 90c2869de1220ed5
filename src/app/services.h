#pragma once
// What the program's windows reach outside the process through: the real services in the
// program, recording doubles in the tests.
#include "components/notification_area.h"
#include "toolkit/dialogs.h"
#include "toolkit/download.h"
#include "toolkit/keyboard.h"
#include "toolkit/recycle_bin.h"
#include "toolkit/shell.h"

namespace kadrion::app {

struct Services {
  toolkit::Dialogs& dialogs;
  toolkit::Shell& shell;
  toolkit::Keyboard& keyboard;
  toolkit::Downloader* linkSource;  // null: the link list counts as not downloaded
  components::NotificationArea& notificationArea;
  toolkit::RecycleBin& recycleBin;  // where a deleted film's description goes
};

}  // namespace kadrion::app
