// The web search address of any text: only URL-safe characters after the fixed start, and the
// query decodes to the text as UTF-8, one well-formed character for every byte.
#include <string_view>

#include "core/web_search.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // small letters are not what the address uses
}

bool IsUnreserved(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view("-._~").find(c) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::string utf8 = Cp1250ToUtf8(text);
  std::size_t at = 0;
  for (const char c : text) {
    FUZZ_CHECK(at < utf8.size());
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (static_cast<unsigned char>(c) < 0x80) {
      FUZZ_CHECK(utf8[at++] == c);
      continue;
    }
    const std::size_t length = lead >= 0xE0 ? 3 : 2;
    FUZZ_CHECK(lead >= 0xC2 && lead < 0xF0 && at + length <= utf8.size());
    unsigned code = lead & (length == 2 ? 0x1Fu : 0x0Fu);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[at + k]);
      FUZZ_CHECK((next & 0xC0) == 0x80);
      code = code << 6 | (next & 0x3Fu);
    }
    FUZZ_CHECK(code >= (length == 2 ? 0x80u : 0x800u) && !(code >= 0xD800 && code <= 0xDFFF));
    at += length;
  }
  FUZZ_CHECK(at == utf8.size());

  const std::string address = FilmDatabaseSearchAddress(text);
  const std::string start = "https://" + std::string(kFilmDatabaseHost) + "/szukaj?q=";
  constexpr std::string_view kEnd = "+&c=film";
  FUZZ_CHECK(address.starts_with(start) && address.ends_with(kEnd));
  const std::string_view query =
      std::string_view(address).substr(start.size(), address.size() - start.size() - kEnd.size());
  std::string decoded;
  for (std::size_t k = 0; k < query.size(); ++k) {
    if (IsUnreserved(query[k])) {
      decoded += query[k];
      continue;
    }
    FUZZ_CHECK(query[k] == '%' && k + 2 < query.size());
    FUZZ_CHECK(HexDigit(query[k + 1]) >= 0 && HexDigit(query[k + 2]) >= 0);
    decoded += static_cast<char>(HexDigit(query[k + 1]) * 16 + HexDigit(query[k + 2]));
    k += 2;
  }
  FUZZ_CHECK(decoded == utf8);
  return 0;
}
