// Settings values: any text reads as the integer it spells in decimal or hexadecimal, when that
// fits, and as nothing otherwise; a number written reads back as itself.
#include <charconv>
#include <string_view>

#include "core/ini_value.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

// The same reading by other means: the standard parser, which reports numbers too big for 64 bits.
std::optional<std::int32_t> Spelled(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("$")) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (base == 16) {
    if (magnitude > 0xFFFFFFFFu) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  if (magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu)) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                            : static_cast<std::int64_t>(magnitude));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto value = ParseIniInteger(text);
  FUZZ_CHECK(value == Spelled(text));
  FUZZ_CHECK(IniIntegerOr(text, 7) == value.value_or(7));
  FUZZ_CHECK(IniBoolOr(text, true) == (value ? *value != 0 : true));
  if (value) FUZZ_CHECK(ParseIniInteger(FormatIniInteger(*value)) == value);
  return 0;
}
