#pragma once
// The main window's status bar: the count of films, in its long form with the position of the
// selected film, kept true through every change of the catalogue and of the filter (then "12 z
// 3000", the position counted in the shown list); and a message panel, where a
// passing message stands for a few seconds and then gives way to what the window is in the
// middle of (the film being edited), if anything.
#include <string>

#include "core/catalogue.h"
#include "core/shown_films.h"
#include "toolkit/controls.h"
#include "toolkit/timer.h"
#include "toolkit/timer_host.h"

namespace kadrion::features {

enum class CountForm {
  Plain,         // "Rekordów: 3"
  WithPosition,  // "Rekordów: 3  [2]", the selected film's number in brackets
};

class StatusLine : private core::ShownFilmsObserver {
 public:
  // `timers` runs the clearing of passing messages; it outlives the status line.
  StatusLine(toolkit::StatusBar& bar, const core::ShownFilms& shown, toolkit::TimerHost& timers);
  ~StatusLine();
  StatusLine(const StatusLine&) = delete;
  StatusLine& operator=(const StatusLine&) = delete;

  // Shows the count in this form from now on; reading the catalogue file goes back to Plain.
  void ShowCount(CountForm form);
  // A passing message, gone three seconds later (a new one gets its whole three seconds).
  void ShowMessage(const std::wstring& text);
  // What stays in the message panel while no passing message is shown; empty for nothing. A
  // new one is shown at once.
  void ShowStanding(const std::wstring& text);

 private:
  void ShownFilmsChanged(core::CatalogueChange change) override;
  void ShowCount();

  toolkit::StatusBar& bar_;
  const core::ShownFilms& shown_;
  CountForm form_ = CountForm::Plain;
  std::wstring standing_;
  toolkit::Timer clearTimer_;
};

}  // namespace kadrion::features
