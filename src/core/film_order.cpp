#include "core/film_order.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kadrion::core {

namespace {

unsigned char FoldAsciiUpper(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

// Cut from the ends of a key: the blank and every byte below it; 0x7F and 0xA0 stay.
bool IsTrimmed(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// The length of the key of `film` before its ends are cut: the upper bound of its length.
std::size_t DuplicateKeyBound(const FilmView& film) {
  std::size_t length = kFilmColumns;
  for (int column = 0; column < kFilmColumns; ++column) length += Field(film, column).size();
  return length;
}

// Writes the key of `film` at `out`, which has room for DuplicateKeyBound; returns its end.
// Many keys share one buffer this way, each written in one pass.
char* WriteDuplicateKey(const FilmView& film, char* out) {
  char* const start = out;
  for (const std::string_view field :
       {film.originalTitle, film.genre, film.discs, film.medium, film.polishTitle}) {
    for (const char c : field) *out++ = static_cast<char>(FoldAsciiUpper(c));
    *out++ = ' ';
  }
  while (out > start && IsTrimmed(out[-1])) --out;
  char* lead = start;
  while (lead < out && IsTrimmed(*lead)) ++lead;
  if (lead == start) return out;
  std::memmove(start, lead, static_cast<std::size_t>(out - lead));
  return start + (out - lead);
}

// A hash that reads eight bytes at a time; duplicate removal hashes every row's key once.
std::uint64_t HashKey(std::string_view key) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = key.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= key.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, key.data() + at, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  std::uint64_t tail = 0;
  std::memcpy(&tail, key.data() + at, key.size() - at);
  hash = (hash ^ tail) * kMultiplier;
  return hash ^ (hash >> 32);
}

}  // namespace

int CompareColumnText(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t k = 0; k < common; ++k) {
    const int difference = FoldAsciiUpper(a[k]) - FoldAsciiUpper(b[k]);
    if (difference != 0) return difference;
  }
  return static_cast<int>(static_cast<std::ptrdiff_t>(a.size()) -
                          static_cast<std::ptrdiff_t>(b.size()));
}

bool IsInOrder(const FilmStore& films, FilmOrder order) {
  for (std::size_t row = 1; row < films.Size(); ++row)
    if (CompareColumnText(films.Text(row - 1, order.column), films.Text(row, order.column)) *
            order.direction >
        0)
      return false;
  return true;
}

std::string DuplicateKey(const FilmEntry& film) {
  const FilmView view = ViewOf(film);
  std::string key(DuplicateKeyBound(view), '\0');
  key.resize(static_cast<std::size_t>(WriteDuplicateKey(view, key.data()) - key.data()));
  return key;
}

std::vector<std::uint32_t> SortedOrder(const FilmStore& films, FilmOrder order) {
  // The column's texts folded once into one buffer, so that comparing two films is a memcmp;
  // their first sixteen folded bytes, zero-padded, decide most comparisons on their own.
  const std::size_t count = films.Size();
  std::size_t total = 0;
  for (std::size_t row = 0; row < count; ++row) total += films.Text(row, order.column).size();
  std::string folded(total, '\0');
  std::vector<std::size_t> starts;
  starts.reserve(count + 1);
  struct Key {
    std::uint64_t high, low;  // the first sixteen bytes, big-endian
    std::uint32_t row;
    std::uint32_t size;  // beyond sixteen bytes the rest is in `folded`
  };
  std::vector<Key> keys;
  keys.reserve(count);
  std::size_t at = 0;
  for (std::size_t row = 0; row < count; ++row) {
    starts.push_back(at);
    std::uint64_t prefix[2] = {0, 0};
    std::size_t k = 0;
    for (const char c : films.Text(row, order.column)) {
      const unsigned char byte = FoldAsciiUpper(c);
      folded[at++] = static_cast<char>(byte);
      if (k < 16) {
        prefix[k / 8] |= std::uint64_t{byte} << (56 - 8 * (k % 8));
        ++k;
      }
    }
    keys.push_back({prefix[0], prefix[1], static_cast<std::uint32_t>(row),
                    static_cast<std::uint32_t>(at - starts.back())});
  }
  starts.push_back(at);

  // Ties go by the original place, which makes the order total: any sort gives the stable one.
  const bool ascending = order.direction > 0;
  std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
    if (a.high != b.high) return (a.high < b.high) == ascending;
    if (a.low != b.low) return (a.low < b.low) == ascending;
    const std::size_t common = std::min(a.size, b.size);
    int difference = common > 16 ? std::memcmp(folded.data() + starts[a.row] + 16,
                                               folded.data() + starts[b.row] + 16, common - 16)
                                 : 0;
    if (difference == 0 && a.size != b.size) difference = a.size < b.size ? -1 : 1;
    if (difference != 0) return (difference < 0) == ascending;
    return a.row < b.row;
  });

  std::vector<std::uint32_t> sorted(count);
  for (std::size_t k = 0; k < count; ++k) sorted[k] = keys[k].row;
  return sorted;
}

std::vector<std::size_t> DistinctRows(const FilmStore& films) {
  // Deleting from the bottom, a row goes exactly when some row above it has its key, and the
  // rows above are still all there when it is tested. So the first row of each key stays: a
  // hash table of the keys seen so far gives the same rows in one pass.
  const std::size_t count = films.Size();
  std::size_t total = 0;
  for (const FilmView film : films) total += DuplicateKeyBound(film);
  std::string keys(total, '\0');
  std::vector<std::size_t> ends;
  ends.reserve(count + 1);
  ends.push_back(0);
  char* end = keys.data();
  for (const FilmView film : films) {
    end = WriteDuplicateKey(film, end);
    ends.push_back(static_cast<std::size_t>(end - keys.data()));
  }
  const auto key = [&](std::size_t row) {
    return std::string_view(keys).substr(ends[row], ends[row + 1] - ends[row]);
  };

  // Open addressing, at most half full; each slot holds part of the hash to skip most
  // comparisons of unequal keys, and the row plus one (0: empty).
  std::size_t capacity = 16;
  while (capacity < 2 * count) capacity *= 2;
  struct Slot {
    std::uint32_t tag;
    std::uint32_t rowPlusOne;
  };
  std::vector<Slot> slots(capacity, Slot{0, 0});
  std::vector<std::size_t> kept;
  kept.reserve(count);
  for (std::size_t row = 0; row < count; ++row) {
    const std::string_view rowKey = key(row);
    const std::uint64_t hash = HashKey(rowKey);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t slot = static_cast<std::size_t>(hash) & (capacity - 1);;
         slot = (slot + 1) & (capacity - 1)) {
      Slot& s = slots[slot];
      if (s.rowPlusOne == 0) {
        s = Slot{tag, static_cast<std::uint32_t>(row + 1)};
        kept.push_back(row);
        break;
      }
      if (s.tag == tag && key(s.rowPlusOne - 1) == rowKey) break;
    }
  }
  return kept;
}

}  // namespace kadrion::core
