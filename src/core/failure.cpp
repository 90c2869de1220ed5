#include "core/failure.h"

namespace kadrion::core {

namespace {
// wchar_t holds UTF-16 on Windows and UTF-32 elsewhere; both become UTF-8.
std::string ToUtf8(const std::wstring& text) {
  std::string bytes;
  for (std::size_t k = 0; k < text.size(); ++k) {
    auto code = static_cast<std::uint32_t>(text[k]);
    if (code >= 0xD800 && code < 0xDC00 && k + 1 < text.size()) {
      const auto low = static_cast<std::uint32_t>(text[k + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        ++k;
      }
    }
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | (code >> 6));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      bytes += static_cast<char>(0xE0 | (code >> 12));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (code >> 18));
      bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}
}  // namespace

Failure::Failure(std::wstring message, std::uint32_t systemCode)
    : message_(std::move(message)), utf8_(ToUtf8(message_)), systemCode_(systemCode) {}

}  // namespace kadrion::core
