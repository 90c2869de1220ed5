#include "core/record_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kadrion::core {
namespace {

using Record = std::vector<std::uint8_t>;

Record Encode(const FilmEntry& entry) {
  Record bytes(kRecordSize, 0xEE);
  EncodeRecord(entry, std::span<std::uint8_t, kRecordSize>(bytes.data(), kRecordSize));
  return bytes;
}

// Through the reader the program loads with.
FilmEntry Decode(const Record& bytes) {
  FilmStore films;
  DecodeRecords(bytes, films);
  return films[0].Entry();
}

std::string Text(const Record& bytes, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&bytes[offset + 1]), bytes[offset]);
}

TEST(RecordCodec, LaysFieldsOutAtTheirOffsetsWithLengthBytes) {
  // "Żółć" and "Łódź" in Windows-1250, and an empty field.
  const FilmEntry film{"\xAF\xF3\xB3\xE6", "", "\xA3\xF3\x64\x9F", "2", "DVD"};
  const Record bytes = Encode(film);
  ASSERT_EQ(bytes.size(), 625u);
  EXPECT_EQ(Text(bytes, 0), "\xAF\xF3\xB3\xE6");
  EXPECT_EQ(Text(bytes, 256), "");
  EXPECT_EQ(Text(bytes, 512), "\xA3\xF3\x64\x9F");
  EXPECT_EQ(Text(bytes, 563), "2");
  EXPECT_EQ(Text(bytes, 574), "DVD");
  EXPECT_EQ(bytes[1 + 4], 0) << "the bytes behind a text are cleared";
  EXPECT_EQ(Decode(bytes), film);
  EXPECT_EQ(Decode(Encode(FilmEntry{})), FilmEntry{}) << "all five fields empty";
}

TEST(RecordCodec, CutsEachFieldToItsCapacityOnWrite) {
  const struct {
    int column;
    std::size_t length;
    std::size_t kept;
  } cases[] = {
      {0, 300, 255}, {0, 255, 255}, {1, 256, 255}, {2, 60, 50},
      {3, 11, 10},   {3, 10, 10},   {4, 51, 50},   {4, 0, 0},
  };
  for (const auto& c : cases) {
    FilmEntry film;
    std::string* fields[] = {&film.polishTitle, &film.originalTitle, &film.genre, &film.discs,
                             &film.medium};
    std::string text;
    for (std::size_t k = 0; k < c.length; ++k) text += static_cast<char>('0' + k % 10);
    *fields[c.column] = text;
    const FilmEntry back = Decode(Encode(film));
    EXPECT_EQ(Field(back, c.column), text.substr(0, c.kept))
        << "column " << c.column << ", length " << c.length;
  }
}

TEST(RecordCodec, ReadsALengthByteAboveCapacityAsTheCapacity) {
  // Titles fit exactly; genre, discs, medium hold 50, 10, 50 (the 51 would pass the record's end).
  for (const char fill : {'x', '\xFF'}) {
    Record bytes(kRecordSize, static_cast<std::uint8_t>(fill));
    bytes[0] = bytes[256] = bytes[563] = 255;
    bytes[512] = 200;
    bytes[574] = 51;
    EXPECT_EQ(Decode(bytes),
              (FilmEntry{std::string(255, fill), std::string(255, fill), std::string(50, fill),
                         std::string(10, fill), std::string(50, fill)}));
  }
}

// A large catalogue is decoded block by block into one list, so every block must append.
TEST(RecordCodec, DecodesOnlyWholeRecordsBehindTheFilmsAlreadyThere) {
  const FilmEntry earlier{"Earlier", "", "", "1", "VHS"};
  const Record one = Encode(FilmEntry{"A", "B", "C", "1", "DVD"});
  const Record two = Encode(FilmEntry{"D", "E", "F", "2", "CD"});
  const struct {
    std::size_t size;
    std::size_t rows;
  } cases[] = {{0, 0}, {624, 0}, {625, 1}, {1250, 2}, {1251, 2}};
  for (const auto& c : cases) {
    Record file = one;
    file.insert(file.end(), two.begin(), two.end());
    file.push_back(0x55);
    file.resize(c.size);
    FilmStore rows = {earlier};
    DecodeRecords(file, rows);
    ASSERT_EQ(rows.Size(), 1 + c.rows) << c.size << " bytes";
    EXPECT_EQ(rows[0].Entry(), earlier);
    if (c.rows == 2) {
      EXPECT_EQ(rows[2].medium, "CD");
    }
  }
}

TEST(RecordCodec, IgnoresLeftoversBehindTheTexts) {
  Record bytes = Encode(FilmEntry{"Long title of the first film", "", "", "", ""});
  bytes[0] = 4;  // a shorter title written over a longer one leaves the rest behind
  EXPECT_EQ(Decode(bytes).polishTitle, "Long");
}

}  // namespace
}  // namespace kadrion::core
