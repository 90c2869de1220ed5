#pragma once
// The details file "Dane\Szczegóły.csv" as bytes: the program's CSV (see film_csv.h: UTF-8 with a
// byte-order mark, ";", every row ended by CR LF, quotes only where needed), so that a
// spreadsheet opens it as it is.
//
// The header row: Tytuł polski;Tytuł oryginalny;Gatunek;Ilość płyt;Nośnik;Który;Rok;Reżyser;
// Miejsce;Obejrzany;Ocena;Komu;Od;Do
// A row names its film by the film's five texts and "Który": 1 for the first film in list order
// with those five texts, 2 for the next, and so on. The film's own row holds its details and the
// loan running now ("Komu", "Od"; "Do" empty); each loan it had before is a row of its own with
// only "Komu", "Od" and "Do" beside the film's names, oldest first. "Obejrzany" is "tak" or
// empty, days are written "2026-12-09".
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/film_details.h"
#include "core/film_entry.h"
#include "core/film_store.h"

namespace kadrion::core {

// Which film of a catalogue a row means.
struct FilmKey {
  FilmEntry texts;
  int occurrence = 1;  // among the films with these five texts, in list order, from 1

  bool operator==(const FilmKey&) const = default;
};

struct DetailsRecord {
  FilmKey film;
  FilmDetails details;

  bool operator==(const DetailsRecord&) const = default;
};

// One film's own row, then its earlier loans, film after film in the order given. A record
// whose details are empty writes nothing.
std::string DetailsToCsv(const std::vector<DetailsRecord>& records);

enum class DetailsFileState {
  Read,        // the file's rows, every one understood
  NotOurs,     // no header of ours: not the details file; the caller must never write over it
};

struct DetailsRead {
  DetailsFileState state = DetailsFileState::Read;
  // The rows of one film gathered into one record, in the order of their first rows.
  std::vector<DetailsRecord> records;
  // Rows kept although a value could not be read (a year, rating or day that is no such
  // thing): the value is left out and the row's other values kept. 1-based lines.
  std::vector<std::size_t> linesWithBadValues;
};

// Also reads what a spreadsheet wrote back: any order of the columns (by the header's names,
// ignoring case and Polish marks as film_csv does), Windows-1250 without a byte-order mark,
// "," or tab as the separator, days as "09.12.2026", "Obejrzany" as "tak"/"TAK"/"1"/"x".
DetailsRead ReadDetailsCsv(std::string_view bytes);

// The key of every film of `films`, in list order: its texts and its occurrence. O(n).
std::vector<FilmKey> KeysOf(const FilmStore& films);
// For each key, the row of `films` it names, or -1 when no film of the store has it. O(n + keys).
std::vector<int> FindFilms(const FilmStore& films, const std::vector<FilmKey>& keys);

}  // namespace kadrion::core
