// Ini texts of any bytes: a key written reads back, writing it again changes nothing, every
// other key keeps its value and every other line its bytes.
#include <string_view>

#include "core/ini_document.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

// A name that a line of the file can hold: no line break, NUL, "=", "[" or "]".
std::string ConsumeName(FuzzedDataProvider& input) {
  std::string name = input.ConsumeRandomLengthString(12);
  std::erase_if(name, [](char c) {
    return std::string_view("\r\n=[]", 5).find(c) != std::string_view::npos || c == '\0';
  });
  return name;
}

std::string Folded(std::string_view name) {
  constexpr std::string_view blanks = " \t\v\f\x1A";
  const std::size_t first = name.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  std::string folded(name.substr(first, name.find_last_not_of(blanks) + 1 - first));
  for (char& c : folded)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return folded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = ConsumeName(input), key = ConsumeName(input);
  const std::string otherSection = ConsumeName(input), otherKey = ConsumeName(input);
  std::string value = input.ConsumeRandomLengthString(40);
  std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
  value = "<" + value + ">";  // nothing for a read to strip
  const std::string text = input.ConsumeRemainingBytesAsString();

  IniDocument document(text);
  const auto otherBefore = document.Find(otherSection, otherKey);
  const bool changed = document.Set(section, key, value);
  FUZZ_CHECK(changed == (document.Text() != text));
  FUZZ_CHECK(document.Find(section, key) == value);
  if (Folded(section) != Folded(otherSection) || Folded(key) != Folded(otherKey))
    FUZZ_CHECK(document.Find(otherSection, otherKey) == otherBefore);

  // Only one line changed, or new lines came in between two old ones.
  const std::string& after = document.Text();
  std::size_t prefix = 0, suffix = 0;
  while (prefix < text.size() && prefix < after.size() && text[prefix] == after[prefix]) ++prefix;
  while (suffix < text.size() - prefix && suffix < after.size() - prefix &&
         text[text.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  const std::string_view replaced =
      std::string_view(text).substr(prefix, text.size() - prefix - suffix);
  FUZZ_CHECK(replaced.find_first_of("\r\n") == std::string_view::npos);

  const std::string once = document.Text();
  FUZZ_CHECK(!document.Set(section, key, value));
  FUZZ_CHECK(document.Text() == once);
  return 0;
}
