#include "features/transfer/import_runner.h"

#include <memory>

namespace kadrion::features {

namespace {
constexpr wchar_t kWorkStillRunning[] =
    L"Poprzedni import jeszcze trwa. Poczekaj, aż się skończy, albo go anuluj.";
}  // namespace

// Written on the work's thread, taken on this one once the work has ended.
struct ImportRunner::Read {
  core::FilmStore films;
  bool complete = false;
};

ImportRunner::ImportRunner(core::Catalogue& catalogue, toolkit::Dialogs& dialogs,
                           const toolkit::Control& owner, StatusLine& status,
                           toolkit::BackgroundWork& work)
    : catalogue_(catalogue), dialogs_(dialogs), owner_(owner), status_(status), work_(work) {}

void ImportRunner::Run(FilmImport import) {
  auto steps = std::make_shared<const FilmImport>(std::move(import));
  auto read = std::make_shared<Read>();
  const bool started = work_.Start(
      steps->progress,
      [steps, read](core::WorkProgress& progress) {
        read->complete = steps->read(progress, read->films);
      },
      [this, steps, read](const toolkit::WorkEnd& end) { Ended(*steps, end, *read); });
  if (!started) dialogs_.ShowMessage(owner_.Handle(), kWorkStillRunning);
}

void ImportRunner::Ended(const FilmImport& import, const toolkit::WorkEnd& end, const Read& read) {
  if (end.outcome == toolkit::WorkOutcome::Failed) {
    dialogs_.ShowError(owner_.Handle(), end.failure);
    return;
  }
  if (end.outcome == toolkit::WorkOutcome::Cancelled || !read.complete) {
    status_.ShowMessage(import.cancelled);
    return;
  }
  if (import.accept && !import.accept(read.films)) return;
  catalogue_.AppendAll(read.films);
  status_.ShowCount(CountForm::Plain);
  status_.ShowMessage(L"Dodano filmy: " + std::to_wstring(read.films.Size()) +
                      (read.films.Empty() ? L"." : L". Ctrl+Z cofa."));
  if (import.added) import.added(read.films);
}

}  // namespace kadrion::features
