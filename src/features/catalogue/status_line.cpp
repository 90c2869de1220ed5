#include "features/catalogue/status_line.h"

namespace kadrion::features {

namespace {
constexpr int kCountPanel = 0;
constexpr int kMessagePanel = 1;
// How long a passing message stands.
constexpr unsigned kPassingMs = 3000;
}  // namespace

StatusLine::StatusLine(toolkit::StatusBar& bar, const core::Catalogue& catalogue,
                       toolkit::TimerHost& timers)
    : bar_(bar), catalogue_(catalogue), clearTimer_(timers, kPassingMs) {
  clearTimer_.onTimer = [this] {
    bar_.SetPanelText(kMessagePanel, standing_);
    clearTimer_.SetEnabled(false);
  };
  catalogue_.AddObserver(*this);
}

StatusLine::~StatusLine() {
  catalogue_.RemoveObserver(*this);
}

void StatusLine::CatalogueChanged(core::CatalogueChange change) {
  if (change == core::CatalogueChange::Replaced) form_ = CountForm::Plain;
  if (bar_.Handle()) ShowCount();
}

void StatusLine::ShowCount(CountForm form) {
  form_ = form;
  ShowCount();
}

void StatusLine::ShowCount() {
  std::wstring line = L"Rekordów: " + std::to_wstring(catalogue_.Count());
  if (form_ == CountForm::WithPosition)
    line += L"  [" + std::to_wstring(catalogue_.Selected() + 1) + L"]";
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
