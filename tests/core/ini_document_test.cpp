#include "core/ini_document.h"

#include <gtest/gtest.h>

namespace kadrion {
namespace {

// Reads, and writes into files as the program writes them, are compared with the system's own
// functions in the Wine tests. Here: a write keeps every other line as it was (comments, blank
// lines, LF endings), where Wine, which rewrites the whole file, is no reference.
TEST(IniDocument, AWriteChangesOnlyItsKeysLine) {
  const struct {
    std::string text;
    const char* section;
    const char* key;
    const char* value;
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
  };
  for (const auto& c : cases) {
    IniDocument document(c.text);
    EXPECT_EQ(document.Set(c.section, c.key, c.value), c.written != c.text) << c.text;
    EXPECT_EQ(document.Text(), c.written) << c.text;
  }
}

}  // namespace
}  // namespace kadrion
