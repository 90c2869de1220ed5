#pragma once
// Which file names an open dialog's pattern list takes ("*.avi;VIDEO_TS.IFO;*.DIVX;..."):
// "*" followed by an ending takes every name with that ending, a pattern without "*" takes that
// one name; letters compare without regard to case. Empty entries (";*.MP3") take nothing.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kadrion::core {

class FilePatterns {
 public:
  explicit FilePatterns(std::wstring_view patterns);

  bool Matches(std::wstring_view fileName) const;

 private:
  std::unordered_set<std::wstring> endings_;
  std::vector<std::size_t> endingLengths_;  // each length once, for the look-ups of a name
  std::unordered_set<std::wstring> names_;
  bool everyName_ = false;  // a bare "*"
};

}  // namespace kadrion::core
