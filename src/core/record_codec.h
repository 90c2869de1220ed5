#pragma once
// The catalogue file: a headerless run of 625-byte records, one per film, in list order.
// Each field is a length byte followed by its text, cut to the field's capacity.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/film_entry.h"
#include "core/film_store.h"

namespace kadrion::core {

inline constexpr std::size_t kRecordSize = 625;

// Capacity in characters and offset of the length byte of each field, caption first.
struct RecordField {
  std::size_t offset;
  std::size_t capacity;
};
inline constexpr RecordField kRecordFields[kFilmColumns] = {
    {0, 255}, {256, 255}, {512, 50}, {563, 10}, {574, 50}};

// Writes one record; texts longer than their field are cut, the bytes behind a text are zero.
void EncodeRecord(const FilmView& film, std::span<std::uint8_t, kRecordSize> out);
inline void EncodeRecord(const FilmEntry& entry, std::span<std::uint8_t, kRecordSize> out) {
  EncodeRecord(ViewOf(entry), out);
}

// Appends every whole record of `bytes`; a trailing part shorter than a record is ignored. A
// length byte above the field's capacity reads as the capacity.
void DecodeRecords(std::span<const std::uint8_t> bytes, FilmStore& out);

}  // namespace kadrion::core
