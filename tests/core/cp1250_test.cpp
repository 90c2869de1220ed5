#include "core/cp1250.h"

#include <gtest/gtest.h>

#include <string>

namespace kadrion::core {
namespace {

// The published Windows-1250 table above ASCII, which is itself. The five bytes it leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) stand for U+0081, U+0083, U+0088, U+0090 and U+0098,
// as Windows converts them.
constexpr char32_t kWindows1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

std::string Utf8(char32_t c) {
  const auto byte = [](unsigned value) { return static_cast<char>(value); };
  if (c < 0x80) return {byte(c)};
  if (c < 0x800) return {byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F))};
  return {byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F))};
}

TEST(Cp1250, EveryByteIsItsCharacterOfThePublishedTableAndBack) {
  std::string allBytes, allUtf8;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Utf8(b < 0x80 ? char32_t(b) : kWindows1250High[b - 0x80]);
    EXPECT_EQ(Cp1250ToUtf8(byte), utf8) << "byte " << b;
    EXPECT_EQ(Cp1250AsUtf8Size(byte), utf8.size()) << "byte " << b;
    const Cp1250Text back = Utf8ToCp1250(utf8);
    EXPECT_EQ(back.bytes, byte) << "byte " << b;
    EXPECT_EQ(back.unstorable, 0u) << "byte " << b;
    allBytes += byte, allUtf8 += utf8;
  }
  EXPECT_EQ(Cp1250ToUtf8(allBytes), allUtf8);
  EXPECT_EQ(Utf8ToCp1250(allUtf8).bytes, allBytes);
}

// ASCII goes over eight bytes at a time: a letter that is not ASCII at any place of such a run
// still converts, both ways.
TEST(Cp1250, ALetterAnywhereAmongAsciiOnesConverts) {
  EXPECT_EQ(Cp1250ToUtf8("\xA3" "atwa dziewczyna"), "\xC5\x81" "atwa dziewczyna");
  EXPECT_EQ(Utf8ToCp1250("\xC5\x81" "atwa dziewczyna").bytes, "\xA3" "atwa dziewczyna");
  for (std::size_t before = 0; before <= 16; ++before) {
    const std::string ascii(before, 'a'), after = "Lodz 12";
    EXPECT_EQ(Cp1250ToUtf8(ascii + "\xA3" + after), ascii + "\xC5\x81" + after) << before;
    const Cp1250Text back = Utf8ToCp1250(ascii + "\xC5\x81" + after);
    EXPECT_EQ(back.bytes, ascii + "\xA3" + after) << before;
    EXPECT_EQ(back.unstorable, 0u) << before;
  }
}

TEST(Cp1250, TellsWellFormedUtf8) {
  const struct {
    const char* bytes;
    bool valid;
  } cases[] = {
      {"plain ASCII, longer than eight bytes", true},
      {"\xC5\x81\xC3\xB3\x64\xC5\xBA", true},
      {"\xF0\x9F\x8E\xAC", true},
      {"\xEF\xBF\xBF", true},
      {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
      {"\xA3\xF3\x64\x9F", false},
      {"\xC0\xAF", false},          // overlong
      {"\xE0\x9F\xBF", false},      // overlong
      {"\xF0\x8F\xBF\xBF", false},  // overlong
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"abcdefgh\xE2\x82", false},  // cut short
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

// A text handed on as a part of a longer one ends where its view ends, though the bytes after
// it would finish the character cut short at its end.
TEST(Cp1250, ACharacterCutShortAtTheEndOfTheViewIsIllFormed) {
  const std::string buffer = "abc\xE2\x82\xAC" "abc\xC5\x81";  // "abc€abcŁ"
  const struct {
    std::size_t end;
    const char* bytes;
  } cases[] = {{4, "abc?"}, {5, "abc?"}, {10, "abc\x80" "abc?"}};
  for (const auto& c : cases) {
    const std::string_view view = std::string_view(buffer).substr(0, c.end);
    EXPECT_FALSE(IsValidUtf8(view)) << c.end;
    const Cp1250Text text = Utf8ToCp1250(view);
    EXPECT_EQ(text.bytes, c.bytes) << c.end;
    EXPECT_EQ(text.unstorable, 1u) << c.end;
  }
}

}  // namespace
}  // namespace kadrion::core
