#pragma once
// The title clean-up applied to the text of an edit field in place.
#include "core/title_cleanup.h"
#include "toolkit/control.h"

namespace kadrion {

inline void CleanTitleIn(toolkit::Control& edit) {
  edit.SetText(CleanTitle(edit.Text()));
}

}  // namespace kadrion
