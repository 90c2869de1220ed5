#include "features/catalogue/catalogue_file.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/record_codec.h"

namespace kadrion {

namespace {
constexpr std::size_t kRecordsPerBlock = 1024;
}

FilmStore ReadCatalogue(const std::wstring& path) {
  toolkit::FileReader file(path);
  const std::uint64_t count = file.Size() / kRecordSize;
  FilmStore rows;
  rows.Reserve(static_cast<std::size_t>(count), 0);
  // The records are read a block at a time: only the texts stay, never the whole file.
  std::vector<std::uint8_t> block(kRecordsPerBlock * kRecordSize);
  for (std::uint64_t done = 0; done < count;) {
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(count - done, kRecordsPerBlock));
    const std::size_t read = file.Read(std::span(block).first(wanted * kRecordSize));
    if (read < kRecordSize) break;  // the file shrank meanwhile
    DecodeRecords(std::span(block).first(read), rows);
    // Room for the rest as the first films suggest, so the texts are seldom moved as they
    // grow; room never written to costs no memory.
    if (done == 0) {
      const std::uint64_t rest = count - rows.Size();
      rows.Reserve(0, static_cast<std::size_t>(rows.TextBytes() * rest / rows.Size() * 5 / 4));
    }
    done += read / kRecordSize;
  }
  return rows;
}

void WriteCatalogue(const std::wstring& path, const std::wstring& backupPath,
                    const FilmStore& rows) {
  toolkit::AtomicFileWriter file(path);
  std::vector<std::uint8_t> block(kRecordsPerBlock * kRecordSize);
  for (std::size_t first = 0; first < rows.Size(); first += kRecordsPerBlock) {
    const std::size_t count = std::min(kRecordsPerBlock, rows.Size() - first);
    for (std::size_t k = 0; k < count; ++k)
      EncodeRecord(rows[first + k], std::span(block).subspan(k * kRecordSize).first<kRecordSize>());
    file.Write(std::span(block).first(count * kRecordSize));
  }
  file.Commit(backupPath);
}

void CatalogueFile::StartLoading() {
  // Stamped before reading: a change while it is read makes the next save happen.
  loadingStamp_ = toolkit::StampOf(path_);
  loading_ = std::async(std::launch::async, [path = path_] { return ReadCatalogue(path); });
}

void CatalogueFile::Load(FilmList& films) {
  if (!loading_.valid()) StartLoading();
  films.Assign(loading_.get());
  // A trailing part of a record is left to the next save to drop.
  if (loadingStamp_ && loadingStamp_->size % kRecordSize == 0)
    match_ = Match{films.Revision(), *loadingStamp_};
  else
    match_.reset();
}

void CatalogueFile::Save(const FilmList& films) {
  match_.reset();
  WriteCatalogue(path_, backupPath_, films.Rows());
  if (const auto stamp = toolkit::StampOf(path_)) match_ = Match{films.Revision(), *stamp};
}

void CatalogueFile::SaveIfChanged(const FilmList& films) {
  if (match_ && match_->revision == films.Revision() && toolkit::StampOf(path_) == match_->stamp)
    return;
  Save(films);
}

}  // namespace kadrion
