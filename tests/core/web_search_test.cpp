#include "core/web_search.h"

#include <gtest/gtest.h>

#include <string>

namespace kadrion::core {
namespace {

TEST(WebSearch, AddressEncodesTheTextAsUtf8) {
  const struct {
    const char* text;
    const char* query;
  } cases[] = {
      {"", ""},
      {"Matrix", "Matrix"},
      {"Gwiezdne wojny", "Gwiezdne%20wojny"},
      {"Tom & Jerry", "Tom%20%26%20Jerry"},
      {"C#", "C%23"},
      {"1+1", "1%2B1"},
      {"a=b?c/d%", "a%3Db%3Fc%2Fd%25"},
      {"Ocean's 11", "Ocean%27s%2011"},
      {"x-y.z_~", "x-y.z_~"},
      {"\xA3\xF3\x64\x9F", "%C5%81%C3%B3d%C5%BA"},       // Łódź
      {"\xAF\xF3\xB3\xE6", "%C5%BB%C3%B3%C5%82%C4%87"},  // Żółć
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FilmDatabaseSearchAddress(c.text),
              "https://" + std::string(kFilmDatabaseHost) + "/szukaj?q=" + c.query + "+&c=film")
        << c.text;
  }
}

}  // namespace
}  // namespace kadrion::core
