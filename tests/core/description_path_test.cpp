#include "core/description_path.h"

#include <gtest/gtest.h>

namespace kadrion::core {
namespace {

TEST(DescriptionFile, StaysInsideTheDescriptionsFolder) {
  const struct {
    std::string_view title;
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
      {".. ", std::nullopt},  // Windows trims trailing dots and blanks
      {"a\\...\\x", std::nullopt},
      {std::string_view("..\0", 3), std::nullopt},  // the system would end the path at the NUL
      // Characters Windows forbids in file names, control characters.
      {"Kto wrobi\xB3 kr\xF3lika Rogera?", std::nullopt},
      {"Mission: Impossible", std::nullopt},
      {"<Matrix>", std::nullopt},
      {"\"Cytat\"", std::nullopt},
      {"A|B", std::nullopt},
      {"Gwiazdka*", std::nullopt},
      {"Tab\tulator", std::nullopt},
      {"Dwie\r\nlinie", std::nullopt},
      {"\x1F", std::nullopt},
      {"AC/DC", "Opisy\\AC/DC.txt"},  // a subfolder, as with "\\"
      {"\x7F\x81\xFF", "Opisy\\\x7F\x81\xFF.txt"},
      // Devices in any folder, any case, with an ending or trailing blanks.
      {"CON", std::nullopt},
      {"nul", std::nullopt},
      {"Aux.txt", std::nullopt},
      {"PRN.", std::nullopt},
      {"com1", std::nullopt},
      {"LPT9 ", std::nullopt},
      {"Seriale\\con .avi", std::nullopt},
      {"CONOUT$", std::nullopt},
      {"CONIN$", std::nullopt},
      {"COM3\\x", std::nullopt},
      {"COM0", "Opisy\\COM0.txt"},
      {"LPT10", "Opisy\\LPT10.txt"},
      {"Conan", "Opisy\\Conan.txt"},
      {"Auxilia.txt", "Opisy\\Auxilia.txt.txt"},
      {"Seriale\\NULL", "Opisy\\Seriale\\NULL.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(DescriptionFile(c.title), c.file) << c.title;
}

}  // namespace
}  // namespace kadrion::core
