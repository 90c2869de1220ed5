#pragma once
// The list filter's text: words split at blanks, each of which must occur somewhere in one of a
// film's five texts (any column, any order, inside words too). Letters compare without case for
// every letter of Windows-1250, and a letter typed without its mark also finds it with one
// ("lodz" finds "Łódź" and "Lodz"; "ł" finds only "ł" and "Ł"). Other bytes compare as they are.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/film_store.h"

namespace kadrion::core {

// The kinds of bytes a film's five texts hold, a bit each: every letter without its mark (ł and
// Ł are l), the digits, and the other bytes folded into the bits left. A film without one of a
// word's kinds cannot hold the word: one test of two numbers passes over most films.
using LetterSet = std::uint32_t;
LetterSet LettersOf(const FilmView& film);

class FilmFilter {
 public:
  // No words: every film matches.
  FilmFilter() = default;
  // `text` in Windows-1250.
  explicit FilmFilter(std::string_view text);
  // The filter of a text no film can hold (characters outside Windows-1250).
  static FilmFilter MatchingNothing();

  bool Empty() const { return words_.empty() && !matchesNothing_; }
  bool Matches(const FilmView& film) const { return Matches(film, LettersOf(film)); }
  // The same, faster, with the film's letters known: `letters` is LettersOf(film).
  bool Matches(const FilmView& film, LetterSet letters) const;
  // Whether every film this filter matches is also matched by `wider`, as when the user types
  // on: then only the films `wider` matched need testing.
  bool Narrows(const FilmFilter& wider) const;

 private:
  bool matchesNothing_ = false;
  LetterSet needed_ = 0;  // the kinds of every byte of every word
  // One word of one letter without a mark: the letters alone tell.
  bool lettersTell_ = false;
  std::vector<std::string> words_;  // small letters, the longest first
  // For each word, the bytes of a text its first letter stands for.
  std::vector<std::array<bool, 256>> starts_;
};

}  // namespace kadrion::core
