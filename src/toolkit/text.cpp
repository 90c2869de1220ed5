#include "toolkit/text.h"

#include <algorithm>
#include <cwchar>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/win.h"

namespace kadrion::toolkit {

namespace {
constexpr UINT kCentralEuropean = 1250;

std::wstring Widen(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
  return text;
}

// Each character code page 1250 holds with its byte, by character; where two bytes read as one
// character, the first byte.
using ByteTable = std::vector<std::pair<wchar_t, char>>;
const ByteTable& Cp1250Bytes() {
  static const ByteTable table = [] {
    ByteTable bytes;
    for (int byte = 0; byte < 256; ++byte) {
      const char c = static_cast<char>(byte);
      wchar_t wide = 0;
      if (MultiByteToWideChar(kCentralEuropean, 0, &c, 1, &wide, 1) == 1)
        bytes.emplace_back(wide, c);
    }
    std::stable_sort(bytes.begin(), bytes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return bytes;
  }();
  return table;
}

// The byte that reads back as `character`, if the code page has one.
std::optional<char> Cp1250Byte(std::wstring_view character) {
  if (character.size() != 1) return std::nullopt;
  const ByteTable& table = Cp1250Bytes();
  const auto at = std::lower_bound(table.begin(), table.end(), character[0],
                                   [](const auto& entry, wchar_t c) { return entry.first < c; });
  if (at == table.end() || at->first != character[0]) return std::nullopt;
  return at->second;
}

// The character at `at`: a surrogate pair, or one unit.
std::wstring_view CharacterAt(std::wstring_view text, std::size_t at) {
  const bool pair =
      IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]);
  return text.substr(at, pair ? 2 : 1);
}

// A character a message would show as nothing, or as a blank.
bool Invisible(std::wstring_view character) {
  if (character.size() != 1) return false;
  const wchar_t c = character[0];
  WORD type = 0;
  GetStringTypeW(CT_CTYPE1, &c, 1, &type);
  return (type & (C1_SPACE | C1_BLANK | C1_CNTRL)) || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) || c == 0xFEFF ||
         IS_HIGH_SURROGATE(c) || IS_LOW_SURROGATE(c);
}
}  // namespace

std::wstring FromCp1250(std::string_view bytes) {
  return Widen(kCentralEuropean, bytes);
}

std::wstring FromUtf8(std::string_view text) {
  return Widen(CP_UTF8, text);
}

std::string ToCp1250(std::wstring_view text, bool* replaced) {
  if (replaced) *replaced = false;
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(kCentralEuropean, 0, text.data(), size, nullptr, 0, "?", nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCentralEuropean, 0, text.data(), size, bytes.data(), length, "?", nullptr);
  // The system's flag for the '?' misses the nearest-letter mappings; reading the bytes back
  // finds both.
  if (replaced) *replaced = FromCp1250(bytes) != text;
  return bytes;
}

std::wstring CharactersOutsideCp1250(std::wstring_view text) {
  std::vector<std::wstring_view> named;
  std::wstring names;
  for (std::size_t at = 0; at < text.size();) {
    const std::wstring_view character = CharacterAt(text, at);
    at += character.size();
    if (Cp1250Byte(character) || std::find(named.begin(), named.end(), character) != named.end())
      continue;
    named.push_back(character);
    if (!names.empty()) names += L", ";
    if (Invisible(character)) {
      wchar_t code[8];
      std::swprintf(code, 8, L"U+%04X", static_cast<unsigned>(character[0]));
      names += code;
    } else {
      names += character;
    }
  }
  return names;
}

std::string ToCp1250OrQuestionMarks(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::wstring_view character = CharacterAt(text, at);
    at += character.size();
    bytes += Cp1250Byte(character).value_or('?');
  }
  return bytes;
}

std::wstring OneLine(std::wstring_view text) {
  std::wstring line;
  line.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const wchar_t c = text[at];
    if (c == L'\r' && at + 1 < text.size() && text[at + 1] == L'\n')
      continue;  // one space for CR LF
    line += c == L'\t' || c == L'\r' || c == L'\n' ? L' ' : c;
  }
  const std::size_t first = line.find_first_not_of(L' ');
  if (first == std::wstring::npos) return {};
  return line.substr(first, line.find_last_not_of(L' ') - first + 1);
}

void FromCp1250Into(std::string_view bytes, wchar_t* buffer, int capacity) {
  if (capacity <= 0) return;
  // Code page 1250 is single-byte: one byte gives one UTF-16 unit.
  const int length = static_cast<int>(std::min<std::size_t>(bytes.size(), capacity - 1));
  const int written =
      length ? MultiByteToWideChar(kCentralEuropean, 0, bytes.data(), length, buffer, length) : 0;
  buffer[written] = L'\0';
}

}  // namespace kadrion::toolkit
