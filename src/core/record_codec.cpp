#include "core/record_codec.h"

#include <algorithm>
#include <cstring>

namespace kadrion::core {

void EncodeRecord(const FilmView& film, std::span<std::uint8_t, kRecordSize> out) {
  std::memset(out.data(), 0, out.size());
  for (int column = 0; column < kFilmColumns; ++column) {
    const RecordField& field = kRecordFields[column];
    const std::string_view text = Field(film, column);
    const std::size_t length = std::min(text.size(), field.capacity);
    out[field.offset] = static_cast<std::uint8_t>(length);
    if (length > 0) std::memcpy(out.data() + field.offset + 1, text.data(), length);
  }
}

void DecodeRecords(std::span<const std::uint8_t> bytes, FilmStore& out) {
  // Loading is most of a start with a big catalogue. Every field's first 16 bytes lie inside
  // its record, so a short text is copied as 16 bytes at once, the rest dropped afterwards.
  constexpr std::size_t kShort = 16;
  static_assert(kRecordFields[kFilmColumns - 1].offset + 1 + kShort <= kRecordSize);
  const std::size_t count = bytes.size() / kRecordSize;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* record = bytes.data() + i * kRecordSize;
    std::uint32_t lengths[kFilmColumns];
    std::size_t total = 0;
    for (int column = 0; column < kFilmColumns; ++column) {
      const RecordField& field = kRecordFields[column];
      lengths[column] =
          static_cast<std::uint32_t>(std::min<std::size_t>(record[field.offset], field.capacity));
      total += lengths[column];
    }
    char* text = out.BeginAppend(total, kShort);
    for (int column = 0; column < kFilmColumns; ++column) {
      const std::uint8_t* from = record + kRecordFields[column].offset + 1;
      if (lengths[column] <= kShort)
        std::memcpy(text, from, kShort);
      else
        std::memcpy(text, from, lengths[column]);
      text += lengths[column];
    }
    out.EndAppend(lengths);
  }
}

}  // namespace kadrion::core
