#include "core/line_breaks.h"

#include <gtest/gtest.h>

namespace kadrion::core {
namespace {

TEST(WithCrLf, MakesEveryLineBreakCrLf) {
  const struct {
    std::string_view text;
    std::string expected;
  } cases[] = {
      {"", ""},
      {"jeden", "jeden"},
      {"a\r\nb", "a\r\nb"},
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\n\rb", "a\r\n\r\nb"},  // LF then CR is two breaks, not one
      {"a\r\r\nb", "a\r\n\r\nb"},
      {"\n\n", "\r\n\r\n"},
      {"koniec\r", "koniec\r\n"},
      {"koniec\r\n", "koniec\r\n"},
      {std::string_view("z\0zero\n", 7), std::string("z\0zero\r\n", 8)},
  };
  for (const auto& c : cases) EXPECT_EQ(WithCrLf(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace kadrion::core
