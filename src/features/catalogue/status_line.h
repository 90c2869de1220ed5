#pragma once
// The main window's status bar: the count of films, in its long form with the position of the
// selected film, and a message panel that empties itself a few seconds after a message. The
// count follows the catalogue when it is read; otherwise it is shown when a feature says so.
#include <string>

#include "core/catalogue.h"
#include "toolkit/controls.h"
#include "toolkit/timer.h"

namespace kadrion::features {

enum class CountForm {
  Plain,         // "Rekordów: 3"
  WithPosition,  // "Rekordów: 3  [2]", the selected film's number in brackets
};

class StatusLine : private core::CatalogueObserver {
 public:
  StatusLine(toolkit::StatusBar& bar, const core::Catalogue& catalogue);
  ~StatusLine();
  StatusLine(const StatusLine&) = delete;
  StatusLine& operator=(const StatusLine&) = delete;

  void ShowCount(CountForm form);
  void ShowMessage(const std::wstring& text);
  // Empties the message panel three seconds from now, unless that is already due.
  void ClearMessageSoon();

 private:
  void CatalogueChanged(core::CatalogueChange change) override;

  toolkit::StatusBar& bar_;
  const core::Catalogue& catalogue_;
  toolkit::Timer clearTimer_{3000};
};

}  // namespace kadrion::features
