#include "core/media_parts.h"

#include <string>

#include "core/title_cleanup.h"

namespace kadrion::core {

namespace {

constexpr std::wstring_view kWords[] = {L"PART", L"DISC", L"DISK", L"CD"};

bool IsSeparator(wchar_t c) {
  return c == L' ' || c == L'.' || c == L'_' || c == L'-';
}
bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

// The word of the markers that starts at `at`, any case.
std::optional<std::wstring_view> WordAt(std::wstring_view name, std::size_t at) {
  for (const std::wstring_view word : kWords) {
    if (name.size() - at < word.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < word.size() && same; ++k) {
      const wchar_t c = name[at + k];
      same = (c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c) == word[k];
    }
    if (same) return word;
  }
  return std::nullopt;
}

// Release tags only: what the title clean-up leaves of it is nothing. Its table is ASCII, so a
// text with other characters keeps them.
bool OnlyReleaseTags(std::wstring_view text) {
  std::string bytes;
  for (const wchar_t c : text) {
    if (c >= 0x80) return false;
    bytes += static_cast<char>(c);
  }
  return CleanTitle(bytes).empty();
}

}  // namespace

std::optional<PartMarker> FindPartMarker(std::wstring_view bareName) {
  for (std::size_t at = bareName.size(); at-- > 0;) {
    if (at > 0 && !IsSeparator(bareName[at - 1])) continue;
    const std::optional<std::wstring_view> word = WordAt(bareName, at);
    if (!word) continue;
    std::size_t digits = at + word->size();
    if (digits < bareName.size() && IsSeparator(bareName[digits])) ++digits;
    std::size_t end = digits;
    while (end < bareName.size() && IsDigit(bareName[end])) ++end;
    if (end == digits || end - digits > 2) continue;
    if (bareName[end - 1] == L'0' && (end - digits == 1 || bareName[digits] == L'0')) continue;
    if (end < bareName.size() && !OnlyReleaseTags(bareName.substr(end))) continue;
    std::size_t start = at;
    while (start > 0 && IsSeparator(bareName[start - 1])) --start;
    return PartMarker{start, end, *word};
  }
  return std::nullopt;
}

}  // namespace kadrion::core
