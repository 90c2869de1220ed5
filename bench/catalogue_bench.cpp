// How long the catalogue codec, sorting, duplicate removal, search and the HTML page take for
// a large catalogue (native build).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/film_order.h"
#include "core/film_search.h"
#include "core/html_list.h"
#include "core/record_codec.h"

int main() {
  using Clock = std::chrono::steady_clock;
  constexpr std::size_t kFilms = 100000;
  std::vector<kadrion::FilmEntry> films;
  films.reserve(kFilms);
  for (std::size_t k = 0; k < kFilms; ++k)
    films.push_back({"Film numer " + std::to_string(k), "Original title " + std::to_string(k),
                     "Dramat", std::to_string(k % 5 + 1), "DVD"});

  const auto start = Clock::now();
  std::vector<std::uint8_t> bytes(kFilms * kadrion::kRecordSize);
  for (std::size_t k = 0; k < kFilms; ++k)
    kadrion::EncodeRecord(films[k], std::span(bytes).subspan(k * kadrion::kRecordSize)
                                        .first<kadrion::kRecordSize>());
  const auto encoded = Clock::now();
  std::vector<kadrion::FilmEntry> back;
  kadrion::DecodeRecords(bytes, back);
  const auto decoded = Clock::now();

  const auto ms = [](auto a, auto b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
  };
  std::printf("catalogue codec, %zu films (%zu bytes): encode %.1f ms, decode %.1f ms%s\n", kFilms,
              bytes.size(), ms(start, encoded), ms(encoded, decoded),
              back == films ? "" : "  MISMATCH");
  if (back != films) return 1;

  // Every second film twice, so that duplicate removal has work to do.
  std::vector<kadrion::FilmEntry> doubled = films;
  for (std::size_t k = 0; k < kFilms; k += 2) doubled.push_back(films[k]);
  const auto t0 = Clock::now();
  std::stable_sort(doubled.begin(), doubled.end(), kadrion::FilmOrder{1, -1});
  const auto t1 = Clock::now();
  const std::size_t kept = kadrion::DistinctRows(doubled).size();
  const auto t2 = Clock::now();
  const auto missing = kadrion::FindFilm(films, "nie ma takiego filmu");
  const auto t3 = Clock::now();
  const auto last = kadrion::FindPreviousFilm(films, "numer 99998", kFilms - 1);
  const auto t4 = Clock::now();
  kadrion::HtmlColumns columns;
  for (auto& column : columns) column = {110, "Kolumna"};
  const std::string page = kadrion::BuildHtmlList(films, columns);
  const auto t5 = Clock::now();
  std::printf("%zu rows: sort by a column %.1f ms, duplicate removal %.1f ms (%zu kept)\n",
              doubled.size(), ms(t0, t1), ms(t1, t2), kept);
  std::printf("%zu films: find without a match %.1f ms, previous from the end %.1f ms, "
              "HTML page %.1f ms (%zu bytes)\n",
              kFilms, ms(t2, t3), ms(t3, t4), ms(t4, t5), page.size());
  return kept == kFilms && !missing && last == kFilms - 2 ? 0 : 1;
}
