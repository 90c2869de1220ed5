#include "toolkit/error_guard.h"

#include <cassert>
#include <exception>
#include <string>

#include "core/failure.h"
#include "toolkit/text.h"

namespace kadrion::toolkit {

namespace {
ErrorGuard* current = nullptr;
}  // namespace

ErrorGuard::ErrorGuard(Dialogs& dialogs) : dialogs_(dialogs) {
  assert(!current);
  current = this;
}

ErrorGuard::~ErrorGuard() {
  current = nullptr;
}

ErrorGuard& ErrorGuard::Current() {
  assert(current);
  return *current;
}

void ErrorGuard::ShowCurrentException() noexcept {
  try {
    std::wstring text;
    try {
      throw;
    } catch (const kadrion::core::Failure& e) {
      text = e.Message();
    } catch (const std::exception& e) {
      text = FromUtf8(e.what());
    } catch (...) {
      text = L"Nieznany błąd.";
    }
    dialogs_.ShowError(GetActiveWindow(), text);
  } catch (...) {
    // The error box itself failed: nothing sensible is left to report it with.
  }
}

}  // namespace kadrion::toolkit
