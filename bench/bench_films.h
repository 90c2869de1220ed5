#pragma once
// The films every benchmark uses: the same for every size and on every build, varied like a
// real collection (titles of one to four words with Polish letters, the program's genres and
// media, one to three discs), about one in twenty entered twice. Windows-1250 bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/film_entry.h"

namespace bench {

// A generator with the same output on every platform (the standard distributions differ).
class Sequence {
 public:
  explicit Sequence(std::uint64_t seed) : state_(seed) {}
  std::uint32_t Below(std::uint32_t bound) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state_ >> 33) % bound;
  }

 private:
  std::uint64_t state_;
};

inline std::vector<kadrion::core::FilmEntry> Films(std::size_t count) {
  // clang-format off
  static const char* const kPolishWords[] = {
      "Ostatni", "dzie\xF1", "\xBF" "ycia", "Noc", "w", "mie\x9C" "cie", "Powr\xF3t", "kr\xF3la",
      "Zielona", "mila", "Pi\xEA" "kna", "i", "bestia", "Ucieczka", "z", "wi\xEA" "zienia",
      "Szcz\xEA\x9C" "ki", "tr\xF3jk\xB9t", "Bez", "przebaczenia", "Ogniem", "mieczem",
      "\x8Cwiat", "wed\xB3ug", "Kiepskich", "\xA3owca", "android\xF3w", "Dzikie", "\xBF" "ycie",
      "Wielki", "b\xB3\xEA" "kit", "Cz\xB3owiek", "bez", "twarzy", "Ojciec", "chrzestny",
      "Lot", "nad", "kuku\xB3" "czym", "gniazdem", "Sami", "swoi", "Rejs", "Mi\xB3" "o\x9C\xE6"};
  static const char* const kOriginalWords[] = {
      "The",     "Last",   "Day",    "of",    "Night",   "City",  "Return", "King",
      "Green",   "Mile",   "Beauty", "Beast", "Escape",  "Prison", "Dark",  "Knight",
      "Shawshank", "Redemption", "Unforgiven", "Blade", "Runner", "Wild",  "Life",  "Big",
      "Blue",    "Face",   "Off",    "Godfather", "Cuckoo", "Nest",  "Cruise", "Love",
      "Matrix",  "Alien",  "Heat",   "Fargo", "Memento", "Seven", "Gladiator", "Titanic"};
  static const char* const kGenres[] = {
      "Akcja",  "Bajka",   "Ba\x9C\xF1",  "Biograficzny", "Dramat",   "Dreszczowiec",
      "Horror", "Komedia", "Komedia rom.", "Krymina\xB3", "Melodramat", "Przygodowy",
      "Romans", "Science Fiction", "Sensacyjny", "Thriller", "Western", "Wojenny"};
  static const char* const kMedia[] = {"DVD", "DVD", "DVD", "CD", "VCD", "SVCD"};
  // clang-format on

  Sequence random(20240517);
  const auto words = [&](const char* const* list, std::size_t size) {
    std::string title;
    const std::uint32_t count = 1 + random.Below(4);
    for (std::uint32_t k = 0; k < count; ++k) {
      if (k) title += ' ';
      title += list[random.Below(static_cast<std::uint32_t>(size))];
    }
    return title;
  };
  std::vector<kadrion::core::FilmEntry> films;
  films.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    if (k > 0 && random.Below(20) == 0) {
      films.push_back(films[random.Below(static_cast<std::uint32_t>(k))]);
      continue;
    }
    kadrion::core::FilmEntry film;
    film.polishTitle = words(kPolishWords, std::size(kPolishWords));
    film.originalTitle = words(kOriginalWords, std::size(kOriginalWords));
    // Sequels and remakes: titles repeat, so a number tells them apart.
    if (random.Below(3) == 0) {
      std::string number(" ");
      number += std::to_string(2 + random.Below(98));
      film.polishTitle += number;
      film.originalTitle += number;
    }
    film.genre = kGenres[random.Below(static_cast<std::uint32_t>(std::size(kGenres)))];
    film.discs = std::to_string(1 + random.Below(3));
    film.medium = kMedia[random.Below(static_cast<std::uint32_t>(std::size(kMedia)))];
    films.push_back(std::move(film));
  }
  return films;
}

}  // namespace bench
