#include "features/catalogue/catalogue_file.h"

#include <algorithm>
#include <cstdint>

#include "core/record_codec.h"
#include "toolkit/files.h"

namespace kadrion {

namespace {
constexpr std::size_t kRecordsPerBlock = 1024;
}

std::vector<FilmEntry> ReadCatalogue(const std::wstring& path) {
  toolkit::FileReader file(path);
  const std::uint64_t count = file.Size() / kRecordSize;
  std::vector<FilmEntry> rows;
  rows.reserve(static_cast<std::size_t>(count));
  std::vector<std::uint8_t> block(kRecordsPerBlock * kRecordSize);
  for (std::uint64_t done = 0; done < count;) {
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(count - done, kRecordsPerBlock));
    const std::size_t read = file.Read(std::span(block).first(wanted * kRecordSize));
    if (read < kRecordSize) break;  // the file shrank meanwhile
    DecodeRecords(std::span(block).first(read), rows);
    done += read / kRecordSize;
  }
  return rows;
}

void WriteCatalogue(const std::wstring& path, const std::wstring& backupPath,
                    const std::vector<FilmEntry>& rows) {
  toolkit::AtomicFileWriter file(path);
  std::vector<std::uint8_t> block(kRecordsPerBlock * kRecordSize);
  for (std::size_t first = 0; first < rows.size(); first += kRecordsPerBlock) {
    const std::size_t count = std::min(kRecordsPerBlock, rows.size() - first);
    for (std::size_t k = 0; k < count; ++k)
      EncodeRecord(rows[first + k], std::span(block).subspan(k * kRecordSize).first<kRecordSize>());
    file.Write(std::span(block).first(count * kRecordSize));
  }
  file.Commit(backupPath);
}

}  // namespace kadrion
