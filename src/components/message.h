#pragma once
// A window message as the components see it, with a result they may write; and the numbers of
// the components' private messages, which other programs of the same design also use.
#include "toolkit/win.h"

namespace kadrion::components {

struct Message {
  UINT id;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result = 0;
};

// Posted to the hook list's utility window when a hooked window is destroyed; lParam is the
// old window.
constexpr UINT kRehookMessage = 0x052D;  // CBM_REHOOK
// Sent to a hooked window: every component on it takes the stay-on-top state in wParam.
constexpr UINT kSetStayOnTopMessage = 0x3A62;  // CBM_SETSTAYONTOP
// A caption button draws itself again (sent to the window or to the button's utility window).
constexpr UINT kRepaintButtonsMessage = 0x3A59;  // CBM_REPAINTBUTTONS
// Every caption button of the window takes its system-menu entry out and puts it back.
constexpr UINT kReapplySystemMenuMessage = 0x3A60;  // CBM_REAPPLYSYSMENU
// The notification-area icon's mouse messages arrive as this, the mouse message in lParam.
constexpr UINT kTrayCallbackMessage = 0x3A64;

}  // namespace kadrion::components
