#include "core/web_search.h"

namespace kadrion::core {

namespace {

bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

std::string FilmDatabaseSearchAddress(std::string_view searchText) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string address = "https://";
  address += kFilmDatabaseHost;
  address += "/szukaj?q=";
  for (const char c : Cp1250ToUtf8(searchText)) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      address += c;
    } else {
      address += '%';
      address += kHex[byte >> 4];
      address += kHex[byte & 0x0F];
    }
  }
  address += "+&c=film";
  return address;
}

}  // namespace kadrion::core
