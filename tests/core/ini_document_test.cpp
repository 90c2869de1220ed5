#include "core/ini_document.h"

#include <gtest/gtest.h>

namespace kadrion::core {
namespace {

// Reads, and writes into files as the program writes them, are compared with the system's own
// functions in the Wine tests. Here: a write keeps every other line as it was (comments, blank
// lines, LF endings), where Wine, which rewrites the whole file, is no reference.
TEST(IniDocument, AWriteChangesOnlyItsKeysLine) {
  const struct {
    std::string text;
    const char* section;
    const char* key;
    std::string value;
    std::string written;  // the same text when nothing changed
  } cases[] = {
      {"", "Okno", "1", "0", "[Okno]\r\n1=0\r\n"},
      {"; c\r\n[a]\r\nx=1\r\n\r\n[b]\r\nz=2\r\n", "a", "y", "2",
       "; c\r\n[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\nz=2\r\n"},
      {"[a]\n  X = 1 \n;x\n", "a", "x", "3", "[a]\nX=3\n;x\n"},
      {"[a]\r\nx= 1 \r\n", "a", "X", "1", "[a]\r\nx= 1 \r\n"},
      {"[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
      {"[a]\r\nx=1", "b", "y", "2", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
      {"", "a", "y", " v \r\n[b]\r\nz=1", "[a]\r\ny=v\r\n"},  // a value stays one line
      {"[a]\r\n[b]\r\n[a]\r\nx=1\r\n", "a", "x", "2", "[a]\r\nx=2\r\n[b]\r\n[a]\r\nx=1\r\n"},
      {"[a]\r\n", "a", "y", std::string("v\0w", 3), "[a]\r\ny=v\r\n"},
      {"[zZ]\r\nZz=1\r\n", "Zz", "zZ", "2", "[zZ]\r\nZz=2\r\n"},  // folding reaches z
      {"[a]\rx=1\ry=2", "a", "y", "3", "[a]\rx=1\ry=3"},          // a lone CR ends a line
  };
  for (const auto& c : cases) {
    IniDocument document(c.text);
    EXPECT_EQ(document.Set(c.section, c.key, c.value), c.written != c.text) << c.text;
    EXPECT_EQ(document.Text(), c.written) << c.text;
  }
}

TEST(IniDocument, FindCutsAtANulThenDropsOnePairOfQuotes) {
  const IniDocument document(std::string("[a]\r\nx=''\r\ny=ab\0cd\r\nz='v'\0w\r\n", 29));
  EXPECT_EQ(document.Find("a", "x"), "");
  EXPECT_EQ(document.Find("a", "y"), "ab");
  EXPECT_EQ(document.Find("a", "z"), "v");
}

}  // namespace
}  // namespace kadrion::core
