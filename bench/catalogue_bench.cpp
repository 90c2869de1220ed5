// The portable parts at 100,000 films, natively: sorting, duplicate removal (against the
// pairwise rule), find / next / previous, the title clean-up, and CSV files written and read. Times
// are the CPU time of this thread, the median of several runs: other programs sharing the machine
// do not count.
#include <time.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_films.h"
#include "bench_report.h"
#include "core/film_csv.h"
#include "core/film_order.h"
#include "core/film_search.h"
#include "core/film_store.h"
#include "core/title_cleanup.h"
#include "pairwise_duplicates.h"

namespace {

using kadrion::core::FilmEntry;
using kadrion::core::FilmStore;

constexpr std::size_t kFilms = 100000;
constexpr int kRuns = 9;

double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The times of `work`, each run after its own untimed `prepare`.
bench::Runs TimeMs(const std::function<void()>& prepare, const std::function<void()>& work,
                   int runs = kRuns) {
  bench::Runs times;
  for (int run = 0; run < runs; ++run) {
    prepare();
    const double start = CpuMs();
    work();
    times.Add(CpuMs() - start);
  }
  return times;
}

// The rule duplicate removal replaces: from the bottom, each row is compared with every row
// above it, both keys built afresh for each comparison, and goes at the first equal one.
std::string Ms(const bench::Runs& runs) {
  return bench::WithRange(runs, "%.1f", " ms");
}

}  // namespace

int main() {
  const std::vector<FilmEntry> films = bench::Films(kFilms);
  const FilmStore store(films);
  bool met = true;

  // Every column in both directions; the slowest counts.
  FilmStore sorted;
  bench::Runs slowest;
  int slowestColumn = 0;
  for (int column = 0; column < kadrion::core::kFilmColumns; ++column) {
    for (const int direction : {-1, 1}) {
      const bench::Runs runs = TimeMs([&] { sorted = store; },
                                      [&] {
                                        sorted.Reorder(kadrion::core::SortedOrder(
                                            sorted, kadrion::core::FilmOrder{column, direction}));
                                      });
      if (column == 0 || runs.Median() > slowest.Median()) slowest = runs, slowestColumn = column;
    }
  }
  met &= bench::Report(
      "sort by any column (the slowest, column " + std::to_string(slowestColumn + 1) + ")",
      "<= 60 ms", Ms(slowest), slowest.Median() <= 60);

  FilmStore distinct;
  const bench::Runs removal = TimeMs([&] { distinct = store; },
                                     [&] { distinct.Keep(kadrion::core::DistinctRows(distinct)); });
  met &= bench::Report(
      "duplicate removal (" + std::to_string(store.Size() - distinct.Size()) + " of the films go)",
      "<= 50 ms", Ms(removal), removal.Median() <= 50);

  const std::vector<FilmEntry> few(films.begin(), films.begin() + 5000);
  const FilmStore fewStore(few);
  std::size_t pairwiseKept = 0;
  const bench::Runs pairwise =
      TimeMs([] {}, [&] { pairwiseKept = reference::PairwiseWithoutDuplicates(few).size(); }, 3);
  const bench::Runs hashed =
      TimeMs([&] { distinct = fewStore; },
             [&] { distinct.Keep(kadrion::core::DistinctRows(distinct)); }, 31);
  const double speedup = pairwise.Median() / hashed.Median();
  met &= bench::Report(
      "duplicate removal at 5,000 rows against the pairwise rule", ">= 100x faster",
      bench::Format("%.0fx", speedup) + " (" + bench::Format("%.0f ms", pairwise.Median()) + " / " +
          bench::Format("%.2f ms", hashed.Median()) + ")",
      speedup >= 100 && pairwiseKept == distinct.Size());

  // Without a match each search reads every row it may: the slowest case.
  const char* const kNowhere = "nie ma takiego filmu";
  bool found = false;
  const bench::Runs find =
      TimeMs([] {}, [&] { found |= kadrion::core::FindFilm(store, kNowhere).has_value(); });
  const bench::Runs next =
      TimeMs([] {}, [&] { found |= kadrion::core::FindNextFilm(store, kNowhere, 0).has_value(); });
  const bench::Runs previous = TimeMs(
      [] {},
      [&] { found |= kadrion::core::FindPreviousFilm(store, kNowhere, kFilms - 1).has_value(); });
  met &= bench::Report("find, no match", "<= 20 ms", Ms(find), find.Median() <= 20 && !found);
  met &= bench::Report("next from the first film, no match", "<= 20 ms", Ms(next),
                       next.Median() <= 20 && !found);
  met &= bench::Report("previous from the last film, no match", "<= 20 ms", Ms(previous),
                       previous.Median() <= 20 && !found);

  // Names as media files and their folders carry them.
  const std::vector<std::string> names = {
      "Matrix.Reloaded.2003.DVDRip.XviD.AC3-iNT.cd1.avi",
      "Ogniem i mieczem (Lektor PL).avi",
      "Pi\xEA"
      "kna i bestia [Pl Dubbing].avi",
      "The.Green.Mile.1999.dvdrip.XiVD.cd2.avi",
      "Shrek_2_-_dubbing PL.rmvb",
      "Gladiator.2000.DVDRip.Xvid-SiBV",
      "Heat (1995)",
      "Rejs.mpg",
      "Fargo.1996.[LEX].avi",
      "Lot nad kuku\xB3"
      "czym gniazdem - dubbing PL",
      "Memento.2000.XViD.AC3.CD1.avi",
      "Seven [DVDRip] (Kadrak.org).avi",
      "VIDEO_TS",
      "\"Sami swoi\"",
      "Alien.1979.Directors.Cut.DVDRip.XviD-CiMG.cd 2.avi",
      "Wielki b\xB3\xEA"
      "kit  1988   PL.avi",
  };
  constexpr int kRounds = 1000;
  std::size_t length = 0;
  bench::Runs rates;
  for (int run = 0; run < kRuns; ++run) {
    const double start = CpuMs();
    for (int round = 0; round < kRounds; ++round) {
      for (const std::string& name : names) length += kadrion::core::CleanTitle(name).size();
    }
    rates.Add(kRounds * names.size() / ((CpuMs() - start) / 1e3));
  }
  met &= bench::Report("title clean-up", ">= 200,000 names/s",
                       bench::WithRange(rates, "%.0f", " names/s"),
                       rates.Median() >= 200000 && length > 0);

  // The films written as a CSV file, then that file read back, a line per film.
  std::string csv;
  const bench::Runs writing = TimeMs([] {}, [&] { csv = kadrion::core::FilmsToCsv(store); });
  met &= bench::Report("100,000 films written as CSV", "<= 1000 ms", Ms(writing),
                       writing.Median() <= 1000 && !csv.empty());
  kadrion::core::NoProgress progress;
  std::size_t read = 0;
  const bench::Runs reading =
      TimeMs([] {}, [&] { read = kadrion::core::ReadFilmsCsv(csv, progress).films.Size(); });
  met &= bench::Report("100,000 CSV lines read into films", "<= 1000 ms", Ms(reading),
                       reading.Median() <= 1000 && read == kFilms);
  return met ? 0 : 1;
}
