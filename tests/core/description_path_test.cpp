#include "core/description_path.h"

#include <gtest/gtest.h>

namespace kadrion {
namespace {

TEST(DescriptionFile, StaysInsideTheDescriptionsFolder) {
  const struct {
    const char* title;
    std::optional<std::string> file;
  } cases[] = {
      {"Matrix", "Opisy\\Matrix.txt"},
      {"", "Opisy\\.txt"},
      {"\xA3\xF3\x64\x9F", "Opisy\\\xA3\xF3\x64\x9F.txt"},
      {"Seriale\\Odcinek 1", "Opisy\\Seriale\\Odcinek 1.txt"},  // a subfolder, as always
      {"Gwiezdne wojny...", "Opisy\\Gwiezdne wojny....txt"},
      {"..Początek", "Opisy\\..Początek.txt"},
      {"..", std::nullopt},
      {"..\\Dane\\Dane", std::nullopt},
      {"a\\..\\..\\x", std::nullopt},
      {"a/../../x", std::nullopt},
      {"C:\\Windows\\win", std::nullopt},
      {"C:plik", std::nullopt},
      {"\\\\serwer\\udział\\x", std::nullopt},
      {"\\Windows\\x", std::nullopt},
      {"/etc/x", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DescriptionFile(c.title), c.file) << c.title;
}

}  // namespace
}  // namespace kadrion
