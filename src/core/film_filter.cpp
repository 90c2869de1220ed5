#include "core/film_filter.h"

#include <algorithm>
#include <array>

namespace kadrion::core {

namespace {

using ByteTable = std::array<unsigned char, 256>;

constexpr ByteTable Identity() {
  ByteTable table{};
  for (std::size_t byte = 0; byte < table.size(); ++byte)
    table[byte] = static_cast<unsigned char>(byte);
  return table;
}

// Every capital of Windows-1250 becomes its small letter.
constexpr ByteTable MakeSmallLetters() {
  ByteTable small = Identity();
  for (std::size_t byte = 'A'; byte <= 'Z'; ++byte) small[byte] = static_cast<unsigned char>(byte + 0x20);
  // Š Ś Ť Ž Ź, Ł Ą Ş Ż Ľ.
  constexpr unsigned char kPairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E},
                                         {0x8F, 0x9F}, {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA},
                                         {0xAF, 0xBF}, {0xBC, 0xBE}};
  for (const auto& pair : kPairs) small[pair[0]] = pair[1];
  // Ŕ to Ţ and ŕ to ţ lie 0x20 apart, but for × (0xD7) and ÷ (0xF7) in the middle.
  for (std::size_t byte = 0xC0; byte <= 0xDE; ++byte)
    if (byte != 0xD7) small[byte] = static_cast<unsigned char>(byte + 0x20);
  return small;
}

// Every letter becomes its small letter without a mark: ł is l, Ó is o. ß stays ß.
constexpr ByteTable MakeBareLetters() {
  ByteTable bare = MakeSmallLetters();
  // š ś ť ž ź, ł ą ş ż ľ.
  constexpr unsigned char kMarked[][2] = {{0x9A, 's'}, {0x9C, 's'}, {0x9D, 't'}, {0x9E, 'z'},
                                          {0x9F, 'z'}, {0xB3, 'l'}, {0xB9, 'a'}, {0xBA, 's'},
                                          {0xBF, 'z'}, {0xBE, 'l'}};
  // ŕ á â ă ä ĺ ć ç č é ę ë ě í î ď đ ń ň ó ô ő ö ÷ ř ů ú ű ü ý ţ, 0xE0 to 0xFE.
  constexpr char kFromE0[] = "raaaalccceeeeiiddnnoooo\xF7ruuuuyt";
  ByteTable byBare = Identity();
  for (const auto& pair : kMarked) byBare[pair[0]] = static_cast<unsigned char>(pair[1]);
  for (std::size_t k = 0; k + 1 < sizeof kFromE0; ++k)
    byBare[0xE0 + k] = static_cast<unsigned char>(kFromE0[k]);
  for (unsigned char& letter : bare) letter = byBare[letter];
  return bare;
}

constexpr ByteTable kSmall = MakeSmallLetters();
constexpr ByteTable kBare = MakeBareLetters();

// The bit of each byte's kind in a LetterSet: a to z a bit each, by the letter without its
// mark; the digits one bit; the other bytes share the 5 bits left.
constexpr std::array<LetterSet, 256> MakeKinds() {
  std::array<LetterSet, 256> kinds{};
  for (std::size_t byte = 0; byte < kinds.size(); ++byte) {
    const unsigned char bare = kBare[byte];
    const unsigned bit = bare >= 'a' && bare <= 'z'   ? bare - 'a'
                         : bare >= '0' && bare <= '9' ? 26
                                                      : 27 + bare % 5;
    kinds[byte] = LetterSet{1} << bit;
  }
  return kinds;
}

constexpr std::array<LetterSet, 256> kKinds = MakeKinds();

bool HasItsOwnKind(unsigned char typed) { return typed >= 'a' && typed <= 'z'; }

bool IsBlank(unsigned char byte) { return byte <= ' ' || byte == 0xA0; }

// Whether the typed byte (already small) stands for this byte of a film's text.
bool Same(unsigned char typed, unsigned char text) {
  return kSmall[text] == typed || kBare[text] == typed;
}

// A word, its first byte's matches ready as a table: most bytes of a text are passed over by
// one look-up.
bool Occurs(std::string_view word, const std::array<bool, 256>& starts, std::string_view text) {
  if (text.size() < word.size()) return false;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const auto* typed = reinterpret_cast<const unsigned char*>(word.data());
  const std::size_t last = text.size() - word.size();
  for (std::size_t at = 0; at <= last; ++at) {
    if (!starts[bytes[at]]) continue;
    std::size_t k = 1;
    while (k < word.size() && Same(typed[k], bytes[at + k])) ++k;
    if (k == word.size()) return true;
  }
  return false;
}

}  // namespace

LetterSet LettersOf(const FilmView& film) {
  // The five texts lie one after another in the store, but a view may come from anywhere.
  LetterSet letters = 0;
  for (const std::string_view text :
       {film.polishTitle, film.originalTitle, film.genre, film.discs, film.medium})
    for (const char c : text) letters |= kKinds[static_cast<unsigned char>(c)];
  return letters;
}

FilmFilter::FilmFilter(std::string_view text) {
  std::string word;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!IsBlank(byte)) {
      word += static_cast<char>(kSmall[byte]);
    } else if (!word.empty()) {
      words_.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words_.push_back(std::move(word));
  // The longest first: a film that lacks one usually lacks it soonest.
  std::stable_sort(words_.begin(), words_.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& each : words_)
    for (const char c : each) needed_ |= kKinds[static_cast<unsigned char>(c)];
  lettersTell_ = words_.size() == 1 && words_[0].size() == 1 &&
                 HasItsOwnKind(static_cast<unsigned char>(words_[0][0]));
  for (const std::string& each : words_) {
    std::array<bool, 256> starts{};
    for (std::size_t byte = 0; byte < starts.size(); ++byte)
      starts[byte] = Same(static_cast<unsigned char>(each[0]), static_cast<unsigned char>(byte));
    starts_.push_back(starts);
  }
}

FilmFilter FilmFilter::MatchingNothing() {
  FilmFilter filter;
  filter.matchesNothing_ = true;
  return filter;
}

bool FilmFilter::Matches(const FilmView& film, LetterSet letters) const {
  if (matchesNothing_ || (letters & needed_) != needed_) return false;
  if (lettersTell_) return true;
  for (std::size_t w = 0; w < words_.size(); ++w) {
    const bool found = Occurs(words_[w], starts_[w], film.polishTitle) ||
                       Occurs(words_[w], starts_[w], film.originalTitle) ||
                       Occurs(words_[w], starts_[w], film.genre) ||
                       Occurs(words_[w], starts_[w], film.discs) ||
                       Occurs(words_[w], starts_[w], film.medium);
    if (!found) return false;
  }
  return true;
}

bool FilmFilter::Narrows(const FilmFilter& wider) const {
  if (matchesNothing_ || wider.matchesNothing_) return matchesNothing_;
  // A film holding a word holds every piece of it, so each of the wider filter's words must be
  // a piece of one of these.
  return std::all_of(wider.words_.begin(), wider.words_.end(), [this](const std::string& piece) {
    return std::any_of(words_.begin(), words_.end(), [&piece](const std::string& word) {
      return word.find(piece) != std::string::npos;
    });
  });
}

}  // namespace kadrion::core
