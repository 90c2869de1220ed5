#pragma once
// How values of the settings files are read and written: integers in decimal, or hexadecimal
// with a "0x" or "$" prefix; booleans as "1"/"0", any non-zero integer reading as true.
// Anything that is not a valid value reads as the caller's default.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kadrion::core {

// A 32-bit integer; hexadecimal takes up to eight digits and wraps ("$FFFFFFFF" is -1).
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

inline std::int32_t IniIntegerOr(std::string_view text, std::int32_t fallback) {
  return ParseIniInteger(text).value_or(fallback);
}

inline bool IniBoolOr(std::string_view text, bool fallback) {
  const auto value = ParseIniInteger(text);
  return value ? *value != 0 : fallback;
}

inline std::string FormatIniInteger(std::int32_t value) {
  return std::to_string(value);
}
inline std::string FormatIniBool(bool value) {
  return value ? "1" : "0";
}

}  // namespace kadrion::core
