// How long the catalogue codec takes for a large catalogue (native build).
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

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
  return back == films ? 0 : 1;
}
