#pragma once
// The main window's status bar: the count of films, in its long form with the position of the
// selected film, and a message panel that empties itself a few seconds after a message.
#include <string>

#include "features/catalogue/film_list.h"
#include "toolkit/controls.h"
#include "toolkit/timer.h"

namespace kadrion {

class StatusLine {
 public:
  StatusLine(toolkit::StatusBar& bar, const FilmList& films);

  // "Rekordów: " and the count; with the position, also the selected row's number in brackets.
  void ShowCount(bool withPosition);
  void ShowMessage(const std::wstring& text);
  // Empties the message panel three seconds from now, unless that is already due.
  void ClearMessageSoon();

 private:
  toolkit::StatusBar& bar_;
  const FilmList& films_;
  toolkit::Timer clearTimer_{3000};
};

}  // namespace kadrion
