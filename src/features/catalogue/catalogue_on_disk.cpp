#include "features/catalogue/catalogue_on_disk.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/record_codec.h"
#include "toolkit/files.h"

namespace kadrion::features {

namespace {
constexpr std::size_t kRecordsPerBlock = 1024;
}

core::FilmStore ReadCatalogue(const std::wstring& path) {
  toolkit::FileReader file(path);
  const std::uint64_t count = file.Size() / core::kRecordSize;
  core::FilmStore rows;
  rows.Reserve(static_cast<std::size_t>(count), 0);
  // The records are read a block at a time: only the texts stay, never the whole file.
  std::vector<std::uint8_t> block(kRecordsPerBlock * core::kRecordSize);
  for (std::uint64_t done = 0; done < count;) {
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(count - done, kRecordsPerBlock));
    const std::size_t read = file.Read(std::span(block).first(wanted * core::kRecordSize));
    if (read < core::kRecordSize) break;  // the file shrank meanwhile
    core::DecodeRecords(std::span(block).first(read), rows);
    // Room for the rest as the first films suggest, so the texts are seldom moved as they
    // grow; room never written to costs no memory.
    if (done == 0) {
      const std::uint64_t rest = count - rows.Size();
      rows.Reserve(0, static_cast<std::size_t>(rows.TextBytes() * rest / rows.Size() * 5 / 4));
    }
    done += read / core::kRecordSize;
  }
  return rows;
}

void WriteCatalogue(const std::wstring& path, const std::wstring& backupPath,
                    const core::FilmStore& films) {
  toolkit::AtomicFileWriter file(path);
  std::vector<std::uint8_t> block(kRecordsPerBlock * core::kRecordSize);
  for (std::size_t first = 0; first < films.Size(); first += kRecordsPerBlock) {
    const std::size_t count = std::min(kRecordsPerBlock, films.Size() - first);
    for (std::size_t k = 0; k < count; ++k)
      core::EncodeRecord(
          films[first + k],
          std::span(block).subspan(k * core::kRecordSize).first<core::kRecordSize>());
    file.Write(std::span(block).first(count * core::kRecordSize));
  }
  file.Commit(backupPath);
}

bool CatalogueOnDisk::Exists() const {
  return toolkit::FileExists(path_);
}

std::optional<core::FileStamp> CatalogueOnDisk::Stamp() const {
  return toolkit::StampOf(path_);
}

}  // namespace kadrion::features
