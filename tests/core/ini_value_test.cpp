#include "core/ini_value.h"

#include <gtest/gtest.h>

namespace kadrion::core {
namespace {

TEST(IniValue, ReadsIntegersInDecimalAndHexadecimal) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"0", 0},
      {"808", 808},
      {"-4", -4},
      {"+7", 7},
      {"14548991", 14548991},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"0x80", 128},
      {"0XfF", 255},
      {"$DDFFFF", 0xDDFFFF},
      {"$FFFFFFFF", -1},
      {"-$10", -16},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"18446744073709551617", std::nullopt},  // 2^64 + 1 must not wrap to 1
      {"-18446744073709551616", std::nullopt},
      {"$10000000000000005", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"12a", std::nullopt},
      {"1.5", std::nullopt},
      {" 12", std::nullopt},
      {"abc", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << '"' << c.text << '"';
  for (const std::int32_t value : {INT32_MIN, -4, 0, INT32_MAX})
    EXPECT_EQ(ParseIniInteger(FormatIniInteger(value)), value) << "written and read back";
}

TEST(IniValue, BooleansAreNonZeroIntegersAndAnythingElseIsTheDefault) {
  EXPECT_EQ(IniIntegerOr("wysoko", 608), 608);
  EXPECT_EQ(IniIntegerOr("0", 110), 0);
  EXPECT_TRUE(IniBoolOr("1", false));
  EXPECT_TRUE(IniBoolOr("-1", false));
  EXPECT_TRUE(IniBoolOr("0x10", false));
  EXPECT_FALSE(IniBoolOr("0", true));
  EXPECT_TRUE(IniBoolOr("tak", true));
  EXPECT_FALSE(IniBoolOr("", false));
  for (const bool value : {false, true}) EXPECT_EQ(IniBoolOr(FormatIniBool(value), !value), value);
}

}  // namespace
}  // namespace kadrion::core
