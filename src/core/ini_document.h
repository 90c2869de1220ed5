#pragma once
// The text of an ini file (Windows-1250 bytes), read and changed the way the system's profile
// functions do: "[section]" lines, "key=value" lines under them, names matched with a-z folded
// to A-Z and nothing else, blanks around names and values ignored, one pair of enclosing quotes
// dropped from a value read. A write changes only the line of its key, or adds the key at the end
// of its section, or a new section at the end of the text; every other line, comments and blank
// lines included, keeps its bytes.
#include <optional>
#include <string>
#include <string_view>

namespace kadrion::core {

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string text) : text_(std::move(text)) {}

  const std::string& Text() const { return text_; }

  // The value of `key` in the first section named `section`; nothing when either is missing or
  // the key's line has no "=". A value ends at a NUL byte.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Sets the key; the value is cut at its first line break or NUL and loses the blanks around
  // it, which no read returns. False when the text already held that value: nothing changed,
  // and there is nothing to write.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

 private:
  std::string text_;
};

}  // namespace kadrion::core
