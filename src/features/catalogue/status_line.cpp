#include "features/catalogue/status_line.h"

namespace kadrion::features {

namespace {
constexpr int kCountPanel = 0;
constexpr int kMessagePanel = 1;
}  // namespace

StatusLine::StatusLine(toolkit::StatusBar& bar, const core::Catalogue& catalogue)
    : bar_(bar), catalogue_(catalogue) {
  clearTimer_.onTimer = [this] {
    bar_.SetPanelText(kMessagePanel, L"");
    clearTimer_.SetEnabled(false);
  };
  catalogue_.AddObserver(*this);
}

StatusLine::~StatusLine() {
  catalogue_.RemoveObserver(*this);
}

void StatusLine::CatalogueChanged(core::CatalogueChange change) {
  if (change == core::CatalogueChange::Replaced) ShowCount(CountForm::Plain);
}

void StatusLine::ShowCount(CountForm form) {
  std::wstring line = L"Rekordów: " + std::to_wstring(catalogue_.Count());
  if (form == CountForm::WithPosition)
    line += L"  [" + std::to_wstring(catalogue_.Selected() + 1) + L"]";
  bar_.SetPanelText(kCountPanel, line);
}

void StatusLine::ShowMessage(const std::wstring& text) {
  bar_.SetPanelText(kMessagePanel, text);
}

void StatusLine::ClearMessageSoon() {
  clearTimer_.SetEnabled(true);
}

}  // namespace kadrion::features
