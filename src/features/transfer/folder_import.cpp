#include "features/transfer/folder_import.h"

#include <memory>

#include "core/folder_read_ahead.h"
#include "core/media_films.h"
#include "core/media_patterns.h"
#include "core/media_tree.h"
#include "toolkit/folder_reader.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {
// Threads that read folders ahead of the walk: listing a folder is mostly waiting.
constexpr int kReadingThreads = 2;
}  // namespace

FolderImport::FolderImport(core::Catalogue& catalogue, toolkit::Dialogs& dialogs,
                           const toolkit::Control& owner, StatusLine& status,
                           toolkit::BackgroundWork& work,
                           const toolkit::CheckBox& polishFromFileName,
                           std::function<std::optional<core::FilmEntry>()> fieldsFilm)
    : dialogs_(dialogs),
      owner_(owner),
      imports_(catalogue, dialogs, owner, status, work),
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
  // Written on the work's thread, said once the films are added.
  auto unreadableFolders = std::make_shared<std::size_t>(0);
  imports_.Run(
      {toolkit::ProgressTexts{L"Dodawanie filmów z folderu", L"Znalezione pliki"},
       L"Przerwano, nic nie dodano.",
       [folder, polish, rest = *rest, unreadableFolders](core::WorkProgress& progress,
                                                         core::FilmStore& films) {
         const core::FilePatterns media = core::FilmFilePatterns();
         toolkit::FolderReader disk;
         core::FolderReadAhead reader(disk, kReadingThreads);
         const core::MediaScan scan = core::FindMediaFiles(folder, media, reader, progress);
         *unreadableFolders = scan.unreadableFolders;
         if (scan.complete)
           films = core::FilmsFromMediaFiles(
               scan.files, polish, rest,
               [](const std::wstring& path) { return toolkit::ToCp1250(path); });
         return scan.complete;
       },
       nullptr,
       [this, unreadableFolders](const core::FilmStore& films) {
         if (*unreadableFolders > 0)
           dialogs_.ShowMessage(owner_.Handle(), L"Nie udało się odczytać folderów: " +
                                                     std::to_wstring(*unreadableFolders) +
                                                     L". Filmy z pozostałych folderów zostały "
                                                     L"dodane.");
         else if (films.Empty())
           dialogs_.ShowMessage(owner_.Handle(), L"W tym folderze nie ma plików multimedialnych.");
       }});
}

}  // namespace kadrion::features
