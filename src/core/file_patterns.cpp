#include "core/file_patterns.h"

#include <algorithm>

namespace kadrion::core {

namespace {

// The patterns are ASCII; other characters of a name stay as they are and match only
// themselves.
std::wstring AsciiUpper(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return upper;
}

}  // namespace

FilePatterns::FilePatterns(std::wstring_view patterns) {
  while (!patterns.empty()) {
    const std::size_t end = std::min(patterns.find(L';'), patterns.size());
    const std::wstring_view pattern = patterns.substr(0, end);
    patterns.remove_prefix(std::min(end + 1, patterns.size()));
    if (pattern.empty()) continue;
    if (pattern.front() != L'*') {
      names_.insert(AsciiUpper(pattern));
    } else if (pattern.size() == 1) {
      everyName_ = true;
    } else {
      endings_.insert(AsciiUpper(pattern.substr(1)));
      if (std::find(endingLengths_.begin(), endingLengths_.end(), pattern.size() - 1) ==
          endingLengths_.end())
        endingLengths_.push_back(pattern.size() - 1);
    }
  }
}

bool FilePatterns::Matches(std::wstring_view fileName) const {
  if (everyName_) return true;
  const std::wstring upper = AsciiUpper(fileName);
  for (const std::size_t length : endingLengths_)
    if (length <= upper.size() && endings_.contains(upper.substr(upper.size() - length)))
      return true;
  return names_.contains(upper);
}

}  // namespace kadrion::core
