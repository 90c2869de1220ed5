#include "features/transfer/folder_import.h"

#include <memory>

#include "core/folder_read_ahead.h"
#include "core/media_films.h"
#include "core/media_patterns.h"
#include "core/media_tree.h"
#include "features/transfer/work_in_progress.h"
#include "toolkit/folder_reader.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {
// Threads that read folders ahead of the walk: listing a folder is mostly waiting.
constexpr int kReadingThreads = 2;

// What the work on its thread hands over.
struct FolderFilms {
  core::FilmStore films;
  std::size_t unreadableFolders = 0;
  bool complete = false;
};
}  // namespace

FolderImport::FolderImport(core::Catalogue& catalogue, toolkit::Dialogs& dialogs,
                           const toolkit::Control& owner, StatusLine& status,
                           toolkit::BackgroundWork& work,
                           const toolkit::CheckBox& polishFromFileName,
                           std::function<std::optional<core::FilmEntry>()> fieldsFilm)
    : catalogue_(catalogue),
      dialogs_(dialogs),
      owner_(owner),
      status_(status),
      work_(work),
      polishFromFileName_(polishFromFileName),
      fieldsFilm_(std::move(fieldsFilm)) {}

void FolderImport::PickFolder() {
  std::wstring folder;
  if (dialogs_.PickFolder(owner_.Handle(), folder)) AddFolder(folder);
}

void FolderImport::AddFolder(const std::wstring& folder) {
  const std::optional<core::FilmEntry> rest = fieldsFilm_();
  if (!rest) return;
  const core::PolishTitleFrom polish = polishFromFileName_.Checked()
                                           ? core::PolishTitleFrom::FileName
                                           : core::PolishTitleFrom::Folder;
  auto found = std::make_shared<FolderFilms>();
  const bool started = work_.Start(
      toolkit::ProgressTexts{L"Dodawanie filmów z folderu", L"Znalezione pliki"},
      [folder, polish, rest = *rest, found](core::WorkProgress& progress) {
        const core::FilePatterns media = core::FilmFilePatterns();
        toolkit::FolderReader disk;
        core::FolderReadAhead reader(disk, kReadingThreads);
        const core::MediaScan scan = core::FindMediaFiles(folder, media, reader, progress);
        found->unreadableFolders = scan.unreadableFolders;
        found->complete = scan.complete;
        if (scan.complete)
          found->films = core::FilmsFromMediaFiles(
              scan.files, polish, rest,
              [](const std::wstring& path) { return toolkit::ToCp1250(path); });
      },
      [this, found](const toolkit::WorkEnd& end) {
        if (end.outcome == toolkit::WorkOutcome::Failed) {
          dialogs_.ShowError(owner_.Handle(), end.failure);
          return;
        }
        if (end.outcome == toolkit::WorkOutcome::Cancelled || !found->complete) {
          status_.ShowMessage(L"Przerwano, nic nie dodano.");
          status_.ClearMessageSoon();
          return;
        }
        catalogue_.AppendAll(found->films);
        status_.ShowCount(CountForm::Plain);
        status_.ShowMessage(L"Dodano filmy: " + std::to_wstring(found->films.Size()) +
                            (found->films.Empty() ? L"." : L". Ctrl+Z cofa."));
        status_.ClearMessageSoon();
        if (found->unreadableFolders > 0)
          dialogs_.ShowMessage(owner_.Handle(),
                               L"Nie udało się odczytać folderów: " +
                                   std::to_wstring(found->unreadableFolders) +
                                   L". Filmy z pozostałych folderów zostały dodane.");
        else if (found->films.Empty())
          dialogs_.ShowMessage(owner_.Handle(), L"W tym folderze nie ma plików multimedialnych.");
      });
  if (!started) dialogs_.ShowMessage(owner_.Handle(), kWorkStillRunning);
}

}  // namespace kadrion::features
