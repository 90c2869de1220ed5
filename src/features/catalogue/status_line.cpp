#include "features/catalogue/status_line.h"

namespace kadrion::features {

namespace {
constexpr int kCountPanel = 0;
constexpr int kMessagePanel = 1;
// How long a passing message stands.
constexpr unsigned kPassingMs = 3000;
}  // namespace

StatusLine::StatusLine(toolkit::StatusBar& bar, const core::ShownFilms& shown,
                       toolkit::TimerHost& timers)
    : bar_(bar), shown_(shown), clearTimer_(timers, kPassingMs) {
  clearTimer_.onTimer = [this] {
    bar_.SetPanelText(kMessagePanel, standing_);
    clearTimer_.SetEnabled(false);
  };
  shown_.AddObserver(*this);
}

StatusLine::~StatusLine() {
  shown_.RemoveObserver(*this);
}

void StatusLine::ShownFilmsChanged(core::CatalogueChange change) {
  if (change == core::CatalogueChange::Replaced) form_ = CountForm::Plain;
  if (bar_.Handle()) ShowCount();
}

void StatusLine::ShowCount(CountForm form) {
  form_ = form;
  ShowCount();
}

void StatusLine::ShowCount() {
  const core::Catalogue& catalogue = shown_.Films();
  std::wstring line = L"Rekordów: " + std::to_wstring(shown_.Count());
  if (shown_.Filtering()) line += L" z " + std::to_wstring(catalogue.Count());
  if (form_ == CountForm::WithPosition)
    line += L"  [" + std::to_wstring(shown_.ShownRow(catalogue.Selected()) + 1) + L"]";
  bar_.SetPanelText(kCountPanel, line);
}

void StatusLine::ShowMessage(const std::wstring& text) {
  bar_.SetPanelText(kMessagePanel, text);
  // A new message gets its whole three seconds.
  clearTimer_.SetEnabled(false);
  clearTimer_.SetEnabled(true);
}

void StatusLine::ShowStanding(const std::wstring& text) {
  if (text == standing_) return;
  // What the window is now doing is news: shown at once, over a passing message.
  standing_ = text;
  clearTimer_.SetEnabled(false);
  bar_.SetPanelText(kMessagePanel, standing_);
}

}  // namespace kadrion::features
