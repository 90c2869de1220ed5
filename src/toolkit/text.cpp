#include "toolkit/text.h"

#include <algorithm>

#include "toolkit/win.h"

namespace toolkit {

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
}  // namespace

std::wstring FromCp1250(std::string_view bytes) { return Widen(kCentralEuropean, bytes); }

std::wstring FromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }

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

void FromCp1250Into(std::string_view bytes, wchar_t* buffer, int capacity) {
  if (capacity <= 0) return;
  // Code page 1250 is single-byte: one byte gives one UTF-16 unit.
  const int length = static_cast<int>(std::min<std::size_t>(bytes.size(), capacity - 1));
  const int written =
      length ? MultiByteToWideChar(kCentralEuropean, 0, bytes.data(), length, buffer, length) : 0;
  buffer[written] = L'\0';
}

}  // namespace toolkit
