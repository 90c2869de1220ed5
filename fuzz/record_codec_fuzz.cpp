// The catalogue reader on any file: every whole record becomes a film behind those already in
// the list, and writing a film back stores the same fields as the record it came from.
#include <algorithm>
#include <array>

#include "core/record_codec.h"
#include "fuzz_support.h"

using namespace kadrion::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const FilmEntry earlier{"earlier", "", "", "1", "DVD"};
  FilmStore films = {earlier};
  DecodeRecords(file, films);
  FUZZ_CHECK(films.Size() == 1 + size / kRecordSize);
  FUZZ_CHECK(films[0].Entry() == earlier);

  for (std::size_t row = 0; row + 1 < films.Size(); ++row) {
    const FilmEntry film = films[row + 1].Entry();
    const auto record = file.subspan(row * kRecordSize).first<kRecordSize>();
    std::array<std::uint8_t, kRecordSize> again;
    again.fill(0xEE);
    EncodeRecord(film, again);
    for (int column = 0; column < kFilmColumns; ++column) {
      const RecordField& field = kRecordFields[column];
      const std::size_t length = std::min<std::size_t>(record[field.offset], field.capacity);
      const auto text = record.subspan(field.offset + 1, length);
      FUZZ_CHECK(Field(film, column).size() == length);
      FUZZ_CHECK(again[field.offset] == length);
      FUZZ_CHECK(std::equal(text.begin(), text.end(), again.begin() + field.offset + 1));
      FUZZ_CHECK(std::all_of(again.begin() + field.offset + 1 + length,
                             again.begin() + field.offset + 1 + field.capacity,
                             [](std::uint8_t byte) { return byte == 0; }));
    }
    FilmStore back;
    DecodeRecords(again, back);
    FUZZ_CHECK(back.Size() == 1 && back[0].Entry() == film);
  }
  return 0;
}
