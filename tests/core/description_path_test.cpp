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
      {"C:\\Windows\\win", "Opisy\\C%3A\\Windows\\win.txt"},  // a folder of "Opisy"
      {"\\\\serwer\\udział\\x", std::nullopt},
      {"\\Windows\\x", std::nullopt},
      {"/etc/x", std::nullopt},
      {".. ", std::nullopt},  // Windows trims trailing dots and blanks
      {"a\\...\\x", std::nullopt},
      {std::string_view("..\0", 3), std::nullopt},  // the system would end the path at the NUL
      {std::string_view("Matrix\0", 7), std::nullopt},
      // Characters Windows forbids in file names, control characters: written as codes.
      {"Kto wrobi\xB3 kr\xF3lika Rogera?", "Opisy\\Kto wrobi\xB3 kr\xF3lika Rogera%3F.txt"},
      {"Dwie\r\nlinie", "Opisy\\Dwie%0D%0Alinie.txt"},
      {"100% Wolf", "Opisy\\100% Wolf.txt"},
      {"a%3Ab", "Opisy\\a%3Ab.txt"},  // the file of "a:b" too
      {"CON:", "Opisy\\CON%3A.txt"},
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
      {"con.air.1997", std::nullopt},  // "CON.anything" is the console too
      // A part that is one dot names the folder it is in: a file inside "Opisy" all the same.
      {".", "Opisy\\..txt"},
      {"a\\.\\b", "Opisy\\a\\.\\b.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(DescriptionFile(c.title), c.file) << c.title;
}

// The name of every title built of forbidden characters holds none of them and reads back as
// the title: two titles without '%' never share a file.
TEST(DescriptionFile, WritesForbiddenCharactersAsCodesThatReadBack) {
  std::string forbidden = ":*?\"<>|";
  for (char c = 1; c < 0x20; ++c) forbidden += c;
  const std::string alphabet = forbidden + "A3";
  for (const char a : alphabet)
    for (const char b : alphabet) {
      const std::string title{a, b};
      const auto file = DescriptionFile(title);
      ASSERT_TRUE(file) << title;
      const std::string name = file->substr(6, file->size() - 10);  // "Opisy\<name>.txt"
      EXPECT_EQ(name.find_first_of(forbidden), std::string::npos) << name;
      std::string decoded;
      for (std::size_t k = 0; k < name.size(); ++k)
        if (name[k] != '%') {
          decoded += name[k];
        } else {
          decoded += static_cast<char>(std::stoi(name.substr(k + 1, 2), nullptr, 16));
          k += 2;
        }
      EXPECT_EQ(decoded, title) << name;
    }
}

}  // namespace
}  // namespace kadrion::core
