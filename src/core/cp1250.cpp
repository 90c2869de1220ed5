#include "core/cp1250.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace kadrion::core {

namespace {

// The characters of the bytes 0x80 to 0xFF.
constexpr std::uint16_t kCp1250High[128] = {
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

// The byte of every character up to the highest one the code page has; 0 where it has none
// (U+0000 itself is plain ASCII and never looked up here).
constexpr char32_t kHighestCharacter = 0x2122;
constexpr auto kBytesOf = [] {
  std::array<std::uint8_t, kHighestCharacter + 1> bytes{};
  for (int k = 0; k < 128; ++k) bytes[kCp1250High[k]] = static_cast<std::uint8_t>(0x80 + k);
  return bytes;
}();

// UTF-8 of every byte: its length, then up to three bytes.
struct Utf8Of {
  std::uint8_t length;
  char bytes[3];
};
constexpr auto kUtf8Of = [] {
  std::array<Utf8Of, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    const unsigned code = byte < 0x80 ? byte : kCp1250High[byte - 0x80];
    Utf8Of& utf8 = table[byte];
    if (code < 0x80) {
      utf8 = {1, {static_cast<char>(code), 0, 0}};
    } else if (code < 0x800) {
      utf8 = {2,
              {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F)), 0}};
    } else {
      utf8 = {
          3,
          {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
           static_cast<char>(0x80 | (code & 0x3F))}};
    }
  }
  return table;
}();

constexpr char32_t kIllFormed = 0xFFFFFFFF;

struct Decoded {
  char32_t code;       // kIllFormed for an ill-formed sequence
  std::size_t length;  // bytes taken, at least one
};

// One character from a byte at or above 0x80; an ill-formed sequence is as long as the longest
// start of a well-formed sequence it holds, at least its first byte.
Decoded DecodeAt(const unsigned char* at, std::size_t left) {
  const unsigned lead = at[0];
  std::size_t following = 0;
  char32_t code = 0;
  unsigned low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    following = 1, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    following = 2, code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    following = 3, code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return {kIllFormed, 1};
  }
  for (std::size_t k = 1; k <= following; ++k) {
    if (k >= left) return {kIllFormed, k};
    const unsigned next = at[k];
    if (next < (k == 1 ? low : 0x80u) || next > (k == 1 ? high : 0xBFu)) return {kIllFormed, k};
    code = code << 6 | (next & 0x3F);
  }
  return {code, following + 1};
}

// The count of leading bytes below 0x80, eight at a time.
std::size_t AsciiRun(const unsigned char* at, std::size_t left) {
  std::size_t run = 0;
  while (run + 8 <= left) {
    std::uint64_t word;
    std::memcpy(&word, at + run, 8);
    if (word & 0x8080808080808080ull) break;
    run += 8;
  }
  while (run < left && at[run] < 0x80) ++run;
  return run;
}

}  // namespace

void AppendCp1250AsUtf8(std::string_view text, std::string& out) {
  const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t ascii = AsciiRun(bytes + at, text.size() - at);
    out.append(text.data() + at, ascii);
    at += ascii;
    for (; at < text.size() && bytes[at] >= 0x80; ++at) {
      const Utf8Of& utf8 = kUtf8Of[bytes[at]];
      out.append(utf8.bytes, utf8.length);
    }
  }
}

std::size_t Cp1250AsUtf8Size(std::string_view text) {
  std::size_t size = 0;
  for (const char c : text) size += kUtf8Of[static_cast<unsigned char>(c)].length;
  return size;
}

std::string Cp1250ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(Cp1250AsUtf8Size(text));
  AppendCp1250AsUtf8(text, utf8);
  return utf8;
}

std::size_t AppendUtf8AsCp1250(std::string_view utf8, std::string& out) {
  const auto* const bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  std::size_t unstorable = 0;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::size_t ascii = AsciiRun(bytes + at, utf8.size() - at);
    out.append(utf8.data() + at, ascii);
    at += ascii;
    if (at == utf8.size()) break;
    const Decoded decoded = DecodeAt(bytes + at, utf8.size() - at);
    at += decoded.length;
    const std::uint8_t byte = decoded.code <= kHighestCharacter ? kBytesOf[decoded.code] : 0;
    if (byte == 0) ++unstorable;
    out += byte ? static_cast<char>(byte) : '?';
  }
  return unstorable;
}

Cp1250Text Utf8ToCp1250(std::string_view utf8) {
  Cp1250Text text;
  text.bytes.reserve(utf8.size());
  text.unstorable = AppendUtf8AsCp1250(utf8, text.bytes);
  return text;
}

bool IsValidUtf8(std::string_view text) {
  const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t at = 0;
  while (at < text.size()) {
    at += AsciiRun(bytes + at, text.size() - at);
    if (at == text.size()) break;
    const Decoded decoded = DecodeAt(bytes + at, text.size() - at);
    if (decoded.code == kIllFormed) return false;
    at += decoded.length;
  }
  return true;
}

}  // namespace kadrion::core
