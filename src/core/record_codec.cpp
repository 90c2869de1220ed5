#include "core/record_codec.h"

#include <algorithm>
#include <cstring>

namespace kadrion {

void EncodeRecord(const FilmEntry& entry, std::span<std::uint8_t, kRecordSize> out) {
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  for (int column = 0; column < kFilmColumns; ++column) {
    const RecordField& field = kRecordFields[column];
    const std::string& text = Field(entry, column);
    const std::size_t length = std::min(text.size(), field.capacity);
    out[field.offset] = static_cast<std::uint8_t>(length);
    std::memcpy(out.data() + field.offset + 1, text.data(), length);
  }
}

FilmEntry DecodeRecord(std::span<const std::uint8_t, kRecordSize> record) {
  std::string texts[kFilmColumns];
  for (int column = 0; column < kFilmColumns; ++column) {
    const RecordField& field = kRecordFields[column];
    const std::size_t length = std::min<std::size_t>(record[field.offset], field.capacity);
    const char* text = reinterpret_cast<const char*>(record.data() + field.offset + 1);
    texts[column].assign(text, length);
  }
  return FilmEntry{std::move(texts[0]), std::move(texts[1]), std::move(texts[2]),
                   std::move(texts[3]), std::move(texts[4])};
}

void DecodeRecords(std::span<const std::uint8_t> bytes, std::vector<FilmEntry>& out) {
  const std::size_t count = bytes.size() / kRecordSize;
  out.reserve(out.size() + count);
  for (std::size_t i = 0; i < count; ++i)
    out.push_back(DecodeRecord(bytes.subspan(i * kRecordSize).first<kRecordSize>()));
}

}  // namespace kadrion
