#include "core/catalogue_file.h"

#include <string>

#include "core/failure.h"
#include "core/record_codec.h"

namespace kadrion::core {

namespace {
constexpr wchar_t kCatalogueKept[] =
    L"Lista filmów jest pusta, a plik zostaje bez zmian. Przy zapisie katalog zostanie wczytany "
    L"ponownie, a filmy dodane teraz trafią na jego koniec.";
constexpr wchar_t kCatalogueStillUnread[] =
    L"Katalogu nie udało się wczytać przy starcie i nadal nie można go odczytać, więc nie "
    L"zostanie zastąpiony. Zamknij program, który go używa, i spróbuj ponownie.";

Failure WithAdvice(const Failure& failure, const wchar_t* advice) {
  return Failure(failure.Message() + L"\n\n" + advice, failure.SystemCode());
}
}  // namespace

void CatalogueFile::StartLoading() {
  if (!disk_.Exists()) return;
  // Stamped before reading: a change while it is read makes the next save happen.
  loadingStamp_ = disk_.Stamp();
  loading_ = std::async(std::launch::async, [this] { return disk_.Read(); });
}

CatalogueLoad CatalogueFile::Load(Catalogue& catalogue) {
  if (!disk_.Exists()) {
    if (loading_.valid()) loading_.wait();  // the file went while it was being read
    loading_ = {};
    return CatalogueLoad::NoFile;
  }
  if (!loading_.valid()) StartLoading();
  try {
    catalogue.Assign(loading_.get());
  } catch (const Failure& failure) {
    unread_ = true;
    throw WithAdvice(failure, kCatalogueKept);
  }
  // A trailing part of a record is left to the next save to drop.
  if (loadingStamp_ && loadingStamp_->size % kRecordSize == 0)
    match_ = Match{catalogue.Revision(), *loadingStamp_};
  else
    match_.reset();
  return CatalogueLoad::Read;
}

void CatalogueFile::CatchUpUnread(Catalogue& catalogue) {
  if (!unread_) return;
  FilmStore films;
  if (disk_.Exists()) {
    try {
      films = disk_.Read();
    } catch (const Failure& failure) {
      throw WithAdvice(failure, kCatalogueStillUnread);
    }
  }
  // The file's own films come first, as if they had been read at the start.
  catalogue.Prepend(std::move(films));
  unread_ = false;
}

void CatalogueFile::Save(Catalogue& catalogue) {
  try {
    CatchUpUnread(catalogue);
    match_.reset();
    disk_.Write(catalogue.Films(),
                backupMade_ ? CatalogueBackup::LeftAsItIs : CatalogueBackup::FromReplacedFile);
  } catch (const Failure& failure) {
    // Whoever asked for this save shows it; an autosave does not say it again.
    failureSaid_ = failure.Message();
    throw;
  }
  backupMade_ = true;
  failureSaid_.reset();
  if (const auto stamp = disk_.Stamp()) match_ = Match{catalogue.Revision(), *stamp};
}

void CatalogueFile::SaveIfChanged(Catalogue& catalogue) {
  if (!unread_ && match_ && match_->revision == catalogue.Revision() &&
      disk_.Stamp() == match_->stamp)
    return;
  Save(catalogue);
}

void CatalogueFile::Autosave(Catalogue& catalogue) {
  const std::optional<std::wstring> said = failureSaid_;
  try {
    SaveIfChanged(catalogue);
  } catch (const Failure& failure) {
    if (failure.Message() != said) throw;
  }
}

}  // namespace kadrion::core
