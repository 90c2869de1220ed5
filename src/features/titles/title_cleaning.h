#pragma once
// The title clean-up applied to the text of an edit field in place.
#include "core/title_cleanup.h"
#include "toolkit/control.h"

namespace kadrion::features {

inline void CleanTitleIn(toolkit::Control& edit) {
  edit.SetText(core::CleanTitle(edit.Text()));
}

}  // namespace kadrion::features
