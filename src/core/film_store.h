#pragma once
// The catalogue in memory: every text of every film in one buffer, and per film one small
// fixed record of where its five texts end there. A hundred thousand films cost their texts
// plus 24 bytes each, instead of five separately allocated strings each.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/film_entry.h"

namespace kadrion::core {

// The five texts of one film as the store holds them; valid until the store changes.
struct FilmView {
  std::string_view polishTitle;
  std::string_view originalTitle;
  std::string_view genre;
  std::string_view discs;
  std::string_view medium;

  FilmEntry Entry() const {
    return FilmEntry{std::string(polishTitle), std::string(originalTitle), std::string(genre),
                     std::string(discs), std::string(medium)};
  }
};

inline FilmView ViewOf(const FilmEntry& e) {
  return FilmView{e.polishTitle, e.originalTitle, e.genre, e.discs, e.medium};
}

// Column order as Field of a FilmEntry.
inline std::string_view Field(const FilmView& film, int column) {
  switch (column) {
    case 0:
      return film.polishTitle;
    case 1:
      return film.originalTitle;
    case 2:
      return film.genre;
    case 3:
      return film.discs;
    default:
      return film.medium;
  }
}

class FilmStore {
 public:
  FilmStore() = default;
  // Not explicit: a list of films can stand wherever a store is only read.
  FilmStore(const std::vector<FilmEntry>& films);  // NOLINT(google-explicit-constructor)
  FilmStore(std::initializer_list<FilmEntry> films);

  std::size_t Size() const { return rows_.size(); }
  bool Empty() const { return rows_.empty(); }
  // The bytes of all the texts, those of deleted films included until the store compacts.
  std::size_t TextBytes() const { return text_.Size(); }
  FilmView operator[](std::size_t row) const;
  std::string_view Text(std::size_t row, int column) const;

  // Room for this many more films with this many bytes of text in all.
  void Reserve(std::size_t films, std::size_t textBytes);
  void Append(const FilmView& film);
  void Append(const FilmEntry& film) { Append(ViewOf(film)); }
  // Appending in two steps, for a reader that copies the texts itself: BeginAppend gives room
  // for `bytes` bytes of texts and `slack` more that may be written but are dropped; the reader
  // writes the five texts one after another there, then EndAppend takes their lengths.
  char* BeginAppend(std::size_t bytes, std::size_t slack = 0);
  void EndAppend(const std::uint32_t (&lengths)[kFilmColumns]);
  void Erase(std::size_t row);
  // Keeps only the films at these indices (ascending), in their order.
  void Keep(const std::vector<std::size_t>& rows);
  // Puts the films in this order: film k of the new order is film order[k] of the old one.
  // `order` is a permutation of the indices.
  void Reorder(const std::vector<std::uint32_t>& order);

  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = FilmView;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = FilmView;

    Iterator(const FilmStore& store, std::size_t row) : store_(&store), row_(row) {}
    FilmView operator*() const { return (*store_)[row_]; }
    Iterator& operator++() {
      ++row_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return row_ == other.row_; }

   private:
    const FilmStore* store_;
    std::size_t row_;
  };
  Iterator begin() const { return Iterator(*this, 0); }
  Iterator end() const { return Iterator(*this, rows_.size()); }

 private:
  // Where a film's texts lie in the buffer: from `start`, each text up to its end.
  struct Row {
    std::uint32_t start;
    std::uint32_t ends[kFilmColumns];
  };

  // The texts: bytes that grow at the end without being cleared first, since every film's
  // texts are written there once, as they are loaded or added.
  class TextBuffer {
   public:
    TextBuffer() = default;
    TextBuffer(const TextBuffer& other);
    TextBuffer& operator=(const TextBuffer& other);
    TextBuffer(TextBuffer&& other) noexcept;
    TextBuffer& operator=(TextBuffer&& other) noexcept;

    const char* Data() const { return bytes_.get(); }
    std::size_t Size() const { return size_; }
    void Reserve(std::size_t capacity);
    // Room for `bytes` more after the end; they count once Resize takes them in.
    char* Room(std::size_t bytes);
    void Resize(std::size_t size) { size_ = size; }

   private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
  };

  void Compact();

  TextBuffer text_;
  std::vector<Row> rows_;
  std::size_t appendAt_ = 0;  // where the film begun by BeginAppend starts
  // Bytes of the buffer no film uses any more, left by deletions until the next compaction.
  std::size_t unusedBytes_ = 0;
};

}  // namespace kadrion::core
