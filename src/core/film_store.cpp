#include "core/film_store.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

namespace kadrion::core {

namespace {
// Deleted films' texts stay in the buffer until they are at least this much and half of it;
// copying the rest then costs no more than the deletions that made the gap.
constexpr std::size_t kCompactionFloor = 64 * 1024;
}  // namespace

FilmStore::TextBuffer::TextBuffer(const TextBuffer& other)
    : bytes_(std::make_unique_for_overwrite<char[]>(other.size_)),
      size_(other.size_),
      capacity_(other.size_) {
  if (size_ > 0) std::memcpy(bytes_.get(), other.bytes_.get(), size_);
}

FilmStore::TextBuffer& FilmStore::TextBuffer::operator=(const TextBuffer& other) {
  if (this != &other) *this = TextBuffer(other);
  return *this;
}

FilmStore::TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : bytes_(std::move(other.bytes_)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

FilmStore::TextBuffer& FilmStore::TextBuffer::operator=(TextBuffer&& other) noexcept {
  bytes_ = std::move(other.bytes_);
  size_ = std::exchange(other.size_, 0);
  capacity_ = std::exchange(other.capacity_, 0);
  return *this;
}

void FilmStore::TextBuffer::Reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(bytes.get(), bytes_.get(), size_);
  bytes_ = std::move(bytes);
  capacity_ = capacity;
}

char* FilmStore::TextBuffer::Room(std::size_t bytes) {
  if (bytes > capacity_ - size_) Reserve(std::max(size_ + bytes, 2 * capacity_));
  return bytes_.get() + size_;
}

FilmStore::FilmStore(const std::vector<FilmEntry>& films) {
  for (const FilmEntry& film : films) Append(film);
}

FilmStore::FilmStore(std::initializer_list<FilmEntry> films) {
  for (const FilmEntry& film : films) Append(film);
}

FilmView FilmStore::operator[](std::size_t row) const {
  const Row& r = rows_[row];
  const char* base = text_.Data();
  const std::uint32_t* ends = r.ends;
  return FilmView{{base + r.start, ends[0] - r.start},
                  {base + ends[0], ends[1] - ends[0]},
                  {base + ends[1], ends[2] - ends[1]},
                  {base + ends[2], ends[3] - ends[2]},
                  {base + ends[3], ends[4] - ends[3]}};
}

std::string_view FilmStore::Text(std::size_t row, int column) const {
  const Row& r = rows_[row];
  const std::uint32_t begin = column == 0 ? r.start : r.ends[column - 1];
  return std::string_view(text_.Data() + begin, r.ends[column] - begin);
}

void FilmStore::Reserve(std::size_t films, std::size_t textBytes) {
  rows_.reserve(rows_.size() + films);
  text_.Reserve(text_.Size() + textBytes);
}

void FilmStore::Append(const FilmView& film) {
  const std::string_view texts[kFilmColumns] = {film.polishTitle, film.originalTitle, film.genre,
                                                film.discs, film.medium};
  std::size_t bytes = 0;
  for (const std::string_view text : texts) bytes += text.size();
  if (bytes > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("too long");
  char* out = BeginAppend(bytes);
  std::uint32_t lengths[kFilmColumns];
  for (int column = 0; column < kFilmColumns; ++column) {
    // An empty text may have no bytes at all to copy from.
    if (!texts[column].empty()) std::memcpy(out, texts[column].data(), texts[column].size());
    out += texts[column].size();
    lengths[column] = static_cast<std::uint32_t>(texts[column].size());
  }
  EndAppend(lengths);
}

char* FilmStore::BeginAppend(std::size_t bytes, std::size_t slack) {
  // Offsets are 32-bit: four gigabytes of text, far beyond any catalogue.
  if (bytes + slack > std::numeric_limits<std::uint32_t>::max() - text_.Size())
    throw std::length_error("too many films");
  appendAt_ = text_.Size();
  return text_.Room(bytes + slack);
}

void FilmStore::EndAppend(const std::uint32_t (&lengths)[kFilmColumns]) {
  Row row;
  row.start = static_cast<std::uint32_t>(appendAt_);
  std::uint32_t end = row.start;
  for (int column = 0; column < kFilmColumns; ++column) {
    end += lengths[column];
    row.ends[column] = end;
  }
  rows_.push_back(row);
  text_.Resize(end);
}

void FilmStore::Erase(std::size_t row) {
  unusedBytes_ += rows_[row].ends[kFilmColumns - 1] - rows_[row].start;
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
  if (unusedBytes_ >= kCompactionFloor && unusedBytes_ * 2 >= text_.Size()) Compact();
}

void FilmStore::Keep(const std::vector<std::size_t>& rows) {
  // A film's texts lie together, so each moves with one copy into a buffer of the right size.
  FilmStore kept;
  std::size_t length = 0;
  for (std::size_t row : rows) length += rows_[row].ends[kFilmColumns - 1] - rows_[row].start;
  kept.Reserve(rows.size(), length);
  for (std::size_t row : rows) {
    Row moved = rows_[row];
    const std::uint32_t end = moved.ends[kFilmColumns - 1];
    const auto start = static_cast<std::uint32_t>(kept.text_.Size());
    const std::uint32_t bytes = end - moved.start;
    if (bytes > 0) std::memcpy(kept.text_.Room(bytes), text_.Data() + moved.start, bytes);
    kept.text_.Resize(start + bytes);
    for (std::uint32_t& columnEnd : moved.ends) columnEnd = columnEnd - moved.start + start;
    moved.start = start;
    kept.rows_.push_back(moved);
  }
  *this = std::move(kept);
}

void FilmStore::Reorder(const std::vector<std::uint32_t>& order) {
  // The texts stay where they are; only the small records move.
  std::vector<Row> moved;
  moved.reserve(order.size());
  for (std::uint32_t row : order) moved.push_back(rows_[row]);
  rows_ = std::move(moved);
}

void FilmStore::Compact() {
  std::vector<std::size_t> all(rows_.size());
  for (std::size_t row = 0; row < all.size(); ++row) all[row] = row;
  Keep(all);
}

}  // namespace kadrion::core
