#include "features/catalogue/status_line.h"

namespace kadrion {

namespace {
constexpr int kCountPanel = 0;
constexpr int kMessagePanel = 1;
}  // namespace

StatusLine::StatusLine(toolkit::StatusBar& bar, const FilmList& films) : bar_(bar), films_(films) {
  clearTimer_.onTimer = [this] {
    bar_.SetPanelText(kMessagePanel, L"");
    clearTimer_.SetEnabled(false);
  };
}

void StatusLine::ShowCount(bool withPosition) {
  std::wstring line = L"Rekordów: " + std::to_wstring(films_.Count());
  if (withPosition) line += L"  [" + std::to_wstring(films_.Selected() + 1) + L"]";
  bar_.SetPanelText(kCountPanel, line);
}

void StatusLine::ShowMessage(const std::wstring& text) {
  bar_.SetPanelText(kMessagePanel, text);
}

void StatusLine::ClearMessageSoon() {
  clearTimer_.SetEnabled(true);
}

}  // namespace kadrion
