#include "features/details/details_document.h"

#include <functional>
#include <string_view>

#include "core/details_csv.h"
#include "core/failure.h"
#include "toolkit/files.h"

namespace kadrion::features {

namespace {
std::size_t HashOf(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }
}  // namespace

DetailsDocument::DetailsDocument(const core::Catalogue& catalogue, const AppPaths& paths,
                                 toolkit::TimerHost& timers, toolkit::ErrorGuard& errors)
    : catalogue_(catalogue),
      book_(catalogue),
      path_(paths.DetailsPath()),
      errors_(errors),
      quietTimer_(timers, kQuietMs) {
  quietTimer_.onTimer = [this] { Autosave(); };
  catalogue_.AddObserver(*this);
}

DetailsDocument::~DetailsDocument() {
  catalogue_.RemoveObserver(*this);
}

void DetailsDocument::Set(int row, core::FilmDetails details) {
  book_.Set(row, std::move(details));
  SaveSoon();
}

void DetailsDocument::Load() {
  if (!toolkit::FileExists(path_)) {
    readGuard_.MarkRead();
    writtenHash_ = HashOf(core::DetailsToCsv({}));
    return;
  }
  const std::string bytes = toolkit::ReadWholeFile(path_);
  const core::DetailsRead read = core::ReadDetailsCsv(bytes);
  if (read.state == core::DetailsFileState::NotOurs)
    throw core::Failure(L"Plik " + path_ +
                        L" nie jest plikiem szczegółów filmów: program go nie zmieni, a "
                        L"szczegóły zmienione w tym uruchomieniu nie zostaną zapisane.");
  book_.Take(read.records);
  readGuard_.MarkRead();
  writtenHash_ = HashOf(bytes);
}

void DetailsDocument::Save() {
  quietTimer_.SetEnabled(false);
  readGuard_.Write([this] {
    const std::string bytes = core::DetailsToCsv(book_.Records());
    const std::size_t hash = HashOf(bytes);
    if (hash == writtenHash_) return;
    toolkit::WriteWholeFile(path_, bytes);
    writtenHash_ = hash;
  });
}

void DetailsDocument::CatalogueChanged(core::CatalogueChange change) {
  if (change != core::CatalogueChange::Selection) SaveSoon();
}

void DetailsDocument::SaveSoon() {
  // The quiet period starts again: a run of changes makes one save.
  quietTimer_.SetEnabled(false);
  quietTimer_.SetEnabled(true);
}

void DetailsDocument::Autosave() {
  try {
    Save();
    autosaveFailed_ = false;
  } catch (...) {
    if (autosaveFailed_) return;
    autosaveFailed_ = true;
    errors_.ShowCurrentException();
  }
}

}  // namespace kadrion::features
