#include "core/ini_document.h"

#include <algorithm>

namespace kadrion::core {

namespace {

// What the profile functions take for blanks around a line, a name or a value.
constexpr std::string_view kBlanks = " \t\v\f\x1A";
constexpr std::string_view kEndOfLine = "\r\n";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

char FoldAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (FoldAscii(a[k]) != FoldAscii(b[k])) return false;
  return true;
}

// One line: its text runs from `begin` to `end`; CR LF, a lone CR or a lone LF ends it, and the
// next line starts at `next` (`end` for the last line without a line break).
struct Line {
  std::size_t begin;
  std::size_t end;
  std::size_t next;
};

Line LineAt(std::string_view text, std::size_t begin) {
  const std::size_t end = std::min(text.find_first_of(kEndOfLine, begin), text.size());
  std::size_t next = end;
  if (next < text.size() && text[next++] == '\r' && next < text.size() && text[next] == '\n')
    ++next;
  return {begin, end, next};
}

// A line as the profile functions read it: a section header "[name]" (anything after the
// first "]" ignored), a key "name=value", or neither (blank lines, comments, stray text).
struct Entry {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::string_view name;
  std::string_view value;  // the raw value, quotes and all
};

Entry ParseLine(std::string_view line) {
  line = Trim(line);
  if (!line.empty() && line[0] == '[') {
    const std::size_t close = line.find(']');
    if (close != std::string_view::npos)
      return {Entry::kSection, Trim(line.substr(1, close - 1)), {}};
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return {Entry::kKey, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Where a key is, or where it would go: the first section of the name counts, later ones of
// the same name are never read.
struct Place {
  bool sectionFound = false;
  std::optional<Line> key;  // the key's line, and what it reads as
  Entry entry;
  std::size_t insertAt = 0;       // behind the section's last line that is not blank
  bool insertNeedsBreak = false;  // that line is the text's last and has no line break
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
  Place place;
  bool inside = false;
  for (std::size_t begin = 0; begin < text.size();) {
    const Line line = LineAt(text, begin);
    begin = line.next;
    const std::string_view lineText = text.substr(line.begin, line.end - line.begin);
    const Entry entry = ParseLine(lineText);
    if (entry.kind == Entry::kSection) {
      if (inside) break;
      if (!SameName(entry.name, section)) continue;
      inside = place.sectionFound = true;
    } else if (!inside) {
      continue;
    } else if (entry.kind == Entry::kKey && SameName(entry.name, key)) {
      place.key = line;
      place.entry = entry;
      return place;
    } else if (Trim(lineText).empty()) {
      continue;
    }
    place.insertAt = line.next;
    place.insertNeedsBreak = line.next == line.end;
  }
  return place;
}

}  // namespace

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
  const Place place = Locate(text_, Trim(section), Trim(key));
  if (!place.key) return std::nullopt;
  std::string_view value = place.entry.value;
  value = value.substr(0, value.find('\0'));
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  // A value is one line of the file: a line break in it would start keys of its own.
  // Blanks around it would be lost on the next read anyway.
  value = Trim(value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3))));

  const Place place = Locate(text_, section, key);
  if (place.key) {
    if (place.entry.value == value) return false;
    // The key keeps its name as the file spells it.
    std::string replaced(place.entry.name);
    replaced += '=';
    replaced += value;
    text_.replace(place.key->begin, place.key->end - place.key->begin, replaced);
    return true;
  }

  std::string added;
  std::size_t at = place.insertAt;
  bool needsBreak = place.insertNeedsBreak;
  if (!place.sectionFound) {
    at = text_.size();
    needsBreak = !text_.empty() && kEndOfLine.find(text_.back()) == std::string_view::npos;
    added.append("[").append(section).append("]\r\n");
  }
  added.append(key).append("=").append(value).append("\r\n");
  if (needsBreak) added.insert(0, "\r\n");
  text_.insert(at, added);
  return true;
}

}  // namespace kadrion::core
