#pragma once
// One copy of the program at a time. A second start ends at once, but first asks the running
// copy's main window to come to the front, wherever the user had put it away.
#include "toolkit/win.h"

namespace kadrion::app {

// The message the second copy posts to the first copy's main window.
UINT BringToFrontMessage();

// Asks the running copy's main window to come to the front; false when none is found.
bool HandOverToRunningCopy();

}  // namespace kadrion::app
