// The catalogue's rules, and when its file is read and written, over a disk kept in memory.
#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/catalogue_file.h"
#include "core/failure.h"
#include "core/record_codec.h"

namespace kadrion::core {
namespace {

FilmEntry Film(std::string polish, std::string original) {
  return FilmEntry{std::move(polish), std::move(original), "", "1", "DVD"};
}

// The films as their original titles, which tell them apart.
std::string Order(const FilmStore& films) {
  std::string order;
  for (const FilmView film : films) order += film.originalTitle;
  return order;
}
std::string Order(const Catalogue& catalogue) {
  return Order(catalogue.Films());
}

using Rows = std::vector<std::size_t>;

TEST(Catalogue, TheSelectedAndTheMarkedFilmFollowEveryChange) {
  struct Case {
    const char* change;
    std::function<void(Catalogue&)> make;
    const char* order;
    const char* selected;  // the original title of the selected film, "-" when it went
    const char* marked;
  };
  // Films "b1 a2 b3 a4 c5": film 3 selected, film 5 marked.
  // clang-format off
  const Case cases[] = {
      {"sort ascending", [](Catalogue& c) { c.Sort(FilmOrder{0, 1}); }, "24135", "3", "5"},
      {"sort descending, equal films in order", [](Catalogue& c) { c.Sort(FilmOrder{0, -1}); },
       "51324", "3", "5"},
      {"erase before both", [](Catalogue& c) { c.Erase(0); }, "2345", "3", "5"},
      {"erase the selected", [](Catalogue& c) { c.Erase(2); }, "1245", "-", "5"},
      {"erase past the end changes nothing", [](Catalogue& c) { c.Erase(5); }, "12345", "3", "5"},
      {"keep without the marked", [](Catalogue& c) { c.Keep(Rows{1, 2}); }, "23", "3", "-"},
      {"append", [](Catalogue& c) { c.Append(Film("d", "6")); }, "123456", "3", "5"},
      {"prepend", [](Catalogue& c) { c.Prepend(FilmStore{Film("z", "0")}); }, "012345", "3", "5"},
      {"assign", [](Catalogue& c) { c.Assign(FilmStore{Film("z", "0")}); }, "0", "-", "-"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Catalogue catalogue;
    catalogue.Assign(
        {Film("b", "1"), Film("a", "2"), Film("b", "3"), Film("a", "4"), Film("c", "5")});
    catalogue.Select(2);
    catalogue.Mark(4);
    const auto revision = catalogue.Revision();
    c.make(catalogue);
    EXPECT_EQ(Order(catalogue), c.order) << c.change;
    const auto titleAt = [&](int row) {
      return row == kNoFilm ? "-" : catalogue.Film(row).originalTitle;
    };
    EXPECT_EQ(titleAt(catalogue.Selected()), c.selected) << c.change;
    EXPECT_EQ(titleAt(catalogue.Marked()), c.marked) << c.change;
    // Whatever changed the films makes every copy of them (the file) stale.
    EXPECT_EQ(catalogue.Revision() > revision, Order(catalogue) != "12345") << c.change;
  }
}

// Ids as digits: the film at each row is the one that had the id of original film k, or "+"
// for a film new to the list.
TEST(Catalogue, EachFilmKeepsItsIdThroughEveryChangeAndItsUndo) {
  const struct {
    const char* change;
    std::function<void(Catalogue&)> make;
    const char* ids;
  } cases[] = {
      {"sort", [](Catalogue& c) { c.Sort(FilmOrder{0, 1}); }, "24135"},
      {"saved changed, at the end", [](Catalogue& c) { c.SaveChanged(1, Film("z", "9")); },
       "13452"},
      {"deletes", [](Catalogue& c) { c.Delete(1), c.Delete(2); }, "135"},
      {"deletes taken back", [](Catalogue& c) { c.Delete(1), c.Delete(2), c.Undo(), c.Undo(); },
       "12345"},
      {"duplicates taken back", [](Catalogue& c) { c.Thin({0, 3}), c.Undo(); }, "12345"},
      {"import", [](Catalogue& c) { c.AppendAll(FilmStore{Film("y", "6"), Film("z", "7")}); },
       "12345++"},
      {"import taken back, a film of it kept",
       [](Catalogue& c) {
         c.AppendAll(FilmStore{Film("y", "6"), Film("z", "7")});
         c.SaveChanged(5, Film("y", "6!"));
         c.Undo();
       },
       "12345+"},
      {"films read before", [](Catalogue& c) { c.Prepend(FilmStore{Film("z", "0")}); }, "+12345"},
      {"read anew", [](Catalogue& c) { c.Assign(FilmStore{Film("a", "1")}); }, "+"},
  };
  for (const auto& c : cases) {
    Catalogue catalogue;
    catalogue.Assign(
        {Film("b", "1"), Film("a", "2"), Film("b", "3"), Film("a", "4"), Film("c", "5")});
    std::vector<FilmId> before;
    for (int row = 0; row < catalogue.Count(); ++row) before.push_back(catalogue.Id(row));
    c.make(catalogue);
    std::string ids;
    std::set<FilmId> seen;
    for (int row = 0; row < catalogue.Count(); ++row) {
      const auto at = std::find(before.begin(), before.end(), catalogue.Id(row));
      ids += at == before.end() ? '+' : static_cast<char>('1' + (at - before.begin()));
      EXPECT_TRUE(seen.insert(catalogue.Id(row)).second) << c.change << ": an id twice";
      EXPECT_EQ(catalogue.RowOf(catalogue.Id(row)), row) << c.change;
    }
    EXPECT_EQ(ids, c.ids) << c.change;
  }
}

TEST(Catalogue, DeletesComeBackLastFirstEachAtItsPlaceWithTheSelectionFollowed) {
  Catalogue catalogue;
  catalogue.Assign(
      {Film("a", "1"), Film("b", "2"), Film("c", "3"), Film("d", "4"), Film("e", "5")});
  catalogue.Select(3);  // "4"
  catalogue.Delete(1);
  catalogue.Delete(0, "opis");
  catalogue.Delete(2);  // "5", at the end
  catalogue.Erase(0);   // a change that is no delete: the list is shorter now
  EXPECT_EQ(Order(catalogue), "4");
  struct Step {
    const char* film;
    int row;
    const char* order;
    std::optional<std::string> description;
  };
  const Step steps[] = {
      {"5", 1, "45", std::nullopt}, {"1", 0, "145", "opis"}, {"2", 1, "1245", std::nullopt}};
  for (const Step& step : steps) {
    const auto undone = catalogue.Undo();
    ASSERT_TRUE(undone) << step.film;
    const auto& deleted = std::get<DeletedFilm>(*undone);
    EXPECT_EQ(deleted.film.originalTitle, step.film);
    EXPECT_EQ(deleted.row, step.row) << step.film;
    EXPECT_EQ(deleted.description, step.description) << step.film;
    EXPECT_EQ(Order(catalogue), step.order);
    EXPECT_EQ(catalogue.Film(catalogue.Selected()).originalTitle, "4") << step.film;
  }
  EXPECT_FALSE(catalogue.CanUndo());
  EXPECT_FALSE(catalogue.Undo());
  catalogue.Delete(0);
  catalogue.Prepend(FilmStore{Film("z", "0")});
  catalogue.Undo();
  EXPECT_EQ(Order(catalogue), "01245") << "its place moved with the films put before it";
}

TEST(Catalogue, AnImportIsTakenBackInOneStepWhereverItsFilmsWent) {
  // Films "c1 a2", an import of "d3 b4 e5"; then the changes below; then undo until nothing is
  // left to take back.
  struct Case {
    const char* change;
    std::function<void(Catalogue&)> make;
    const char* afterUndo;
  };
  // clang-format off
  const Case cases[] = {
      {"nothing", [](Catalogue&) {}, "12"},
      {"sorted: its films are spread", [](Catalogue& c) { c.Sort(FilmOrder{0, 1}); }, "21"},
      {"one of them saved changed (erased and appended) stays",
       [](Catalogue& c) { c.Erase(3); c.Append(Film("b", "4")); }, "124"},
      {"one deleted: back first, then away with the import",
       [](Catalogue& c) { c.Delete(2); }, "12"},
      {"a film of its own deleted afterwards comes back, the import still goes",
       [](Catalogue& c) { c.Delete(0); }, "12"},
      {"two of them removed as duplicates: back, then away with the import",
       [](Catalogue& c) { c.Thin(Rows{0, 1, 2}); }, "12"},
      {"every imported film deleted by hand: three deletes undone, then the import",
       [](Catalogue& c) { c.Delete(2); c.Delete(2); c.Delete(2); }, "12"},
      {"the file read anew: nothing to undo", [](Catalogue& c) { c.Assign({Film("x", "9")}); },
       "9"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Catalogue catalogue;
    catalogue.Assign({Film("c", "1"), Film("a", "2")});
    catalogue.Select(1);
    catalogue.AppendAll({Film("d", "3"), Film("b", "4"), Film("e", "5")});
    EXPECT_EQ(Order(catalogue), "12345") << c.change;
    c.make(catalogue);
    while (catalogue.Undo()) {
    }
    EXPECT_EQ(Order(catalogue), c.afterUndo) << c.change;
    if (std::string(c.afterUndo).find('2') != std::string::npos) {
      EXPECT_EQ(catalogue.Film(catalogue.Selected()).originalTitle, "2") << c.change;
    }
  }
}

TEST(Catalogue, FilmsRemovedAtOnceComeBackInOneStepEachAtItsPlace) {
  // Films "1 2 3 4 5 6", film 4 selected; 2, 4 and 6 removed at once, then the change below,
  // then one undo.
  struct Case {
    const char* change;
    std::function<void(Catalogue&)> make;
    const char* afterUndo;
  };
  // clang-format off
  const Case cases[] = {
      {"nothing", [](Catalogue&) {}, "123456"},
      {"one appended: the removed go back around it", [](Catalogue& c) { c.Append(Film("x", "7")); },
       "1234567"},
      {"one erased: the list is shorter, the last goes to the end",
       [](Catalogue& c) { c.Erase(0); }, "32546"},
      {"sorted: each back at its number", [](Catalogue& c) { c.Sort(FilmOrder{1, -1}); },
       "523416"},
      {"films put before them", [](Catalogue& c) { c.Prepend(FilmStore{Film("z", "0")}); },
       "0123456"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Catalogue catalogue;
    catalogue.Assign({Film("a", "1"), Film("b", "2"), Film("c", "3"), Film("d", "4"),
                      Film("e", "5"), Film("f", "6")});
    catalogue.Select(2);
    catalogue.Thin(Rows{0, 2, 4});
    EXPECT_EQ(Order(catalogue), "135") << c.change;
    c.make(catalogue);
    const auto undone = catalogue.Undo();
    ASSERT_TRUE(undone && std::holds_alternative<RemovedFilms>(*undone)) << c.change;
    EXPECT_EQ(std::get<RemovedFilms>(*undone).films.Size(), 3u) << c.change;
    EXPECT_EQ(Order(catalogue), c.afterUndo) << c.change;
    EXPECT_EQ(catalogue.Film(catalogue.Selected()).originalTitle, "3") << c.change;
  }
  Catalogue unchanged;
  unchanged.Assign({Film("a", "1")});
  unchanged.Thin(Rows{0});
  EXPECT_FALSE(unchanged.CanUndo()) << "nothing removed is no step";
}

// The limit of undo steps drops the oldest; an import all of whose films were changed since is
// nothing to take back, and Ctrl+Z is greyed.
TEST(Catalogue, UndoKeepsTheNewestStepsAndOnlyStepsWithSomethingToTakeBack) {
  Catalogue catalogue;
  FilmStore films;
  for (int k = 0; k <= 1000; ++k) films.Append(Film("a", std::to_string(k)));
  catalogue.Assign(std::move(films));
  for (int k = 0; k <= 1000; ++k) catalogue.Delete(0);
  const auto newest = catalogue.Undo();
  ASSERT_TRUE(newest);
  EXPECT_EQ(std::get<DeletedFilm>(*newest).film.originalTitle, "1000");
  int undone = 1;
  while (catalogue.Undo()) ++undone;
  EXPECT_EQ(undone, 1000);
  EXPECT_EQ(catalogue.Film(0).originalTitle, "1") << "the oldest went";

  catalogue.Assign({Film("a", "1")});
  catalogue.AppendAll({Film("b", "2"), Film("c", "3")});
  for (int edited = 0; edited < 2; ++edited) {
    EXPECT_TRUE(catalogue.CanUndo()) << edited;
    const FilmEntry film = catalogue.Film(1);
    catalogue.Erase(1);  // as a saved edit changes a film
    catalogue.Append(film);
  }
  EXPECT_FALSE(catalogue.CanUndo());
  EXPECT_FALSE(catalogue.Undo());
  EXPECT_EQ(Order(catalogue), "123");
}

// The catalogue file as a disk in memory: the records as bytes, a stamp that changes with
// every write, and an error in place of a read or a write while it is locked; a write can fail
// on its own with `writeFailure`. `backups` has a "b" for each write asked to keep a backup,
// a "-" for the others.
class MemoryDisk : public CatalogueDisk {
 public:
  bool Exists() const override { return exists; }
  std::optional<FileStamp> Stamp() const override {
    if (!exists) return std::nullopt;
    return FileStamp{bytes.size(), writes};
  }
  FilmStore Read() const override {
    if (!exists) throw Failure(L"Nie można odnaleźć pliku Dane.dat.", 2);
    if (locked) throw Failure(L"Nie można otworzyć pliku Dane.dat.", 32);
    FilmStore films;
    DecodeRecords(bytes, films);
    return films;
  }
  void Write(const FilmStore& films, CatalogueBackup backup) override {
    backups += backup == CatalogueBackup::FromReplacedFile ? 'b' : '-';
    if (locked) throw Failure(L"Nie można utworzyć pliku Dane.dat.", 32);
    if (!writeFailure.empty()) throw Failure(writeFailure);
    Set(films);
    ++saves;
  }
  // Another program's write.
  void Set(const FilmStore& films) {
    bytes.assign(films.Size() * kRecordSize, 0);
    for (std::size_t k = 0; k < films.Size(); ++k)
      EncodeRecord(films[k], std::span(bytes).subspan(k * kRecordSize).first<kRecordSize>());
    exists = true;
    ++writes;
  }

  bool exists = false;
  bool locked = false;
  std::wstring writeFailure;
  std::string backups;
  std::vector<std::uint8_t> bytes;
  std::uint64_t writes = 0;
  int saves = 0;
};

TEST(CatalogueFile, ASaveIsLeftOutOnlyWhileTheFileStillHoldsTheCatalogue) {
  struct Case {
    const char* meanwhile;
    std::function<void(Catalogue&, MemoryDisk&)> make;
    bool saved;
    bool partialRecordAtLoad = false;
  };
  // clang-format off
  const Case cases[] = {
      {"nothing", [](Catalogue&, MemoryDisk&) {}, false},
      {"a film added", [](Catalogue& c, MemoryDisk&) { c.Append(Film("b", "2")); }, true},
      {"a film erased", [](Catalogue& c, MemoryDisk&) { c.Erase(0); }, true},
      {"sorted", [](Catalogue& c, MemoryDisk&) { c.Sort(FilmOrder{0, 1}); }, true},
      {"duplicates removed", [](Catalogue& c, MemoryDisk&) { c.Keep(Rows{0}); }, true},
      {"selected and marked", [](Catalogue& c, MemoryDisk&) { c.Select(0), c.Mark(0); }, false},
      {"the file emptied by another program", [](Catalogue&, MemoryDisk& d) { d.Set({}); }, true},
      {"part of a record after the last, at the load", [](Catalogue&, MemoryDisk&) {}, true, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    MemoryDisk disk;
    disk.Set({Film("a", "1")});
    if (c.partialRecordAtLoad) disk.bytes.push_back(0x42);
    CatalogueFile file(disk);
    Catalogue catalogue;
    file.StartLoading();
    ASSERT_EQ(file.Load(catalogue), CatalogueLoad::Read);
    c.make(catalogue, disk);
    file.SaveIfChanged(catalogue);
    EXPECT_EQ(disk.saves, c.saved ? 1 : 0) << c.meanwhile;
    EXPECT_EQ(Order(disk.Read()), Order(catalogue)) << c.meanwhile;
    EXPECT_EQ(disk.bytes.size() % kRecordSize, 0u) << c.meanwhile;
    file.SaveIfChanged(catalogue);
    EXPECT_EQ(disk.saves, c.saved ? 1 : 0) << c.meanwhile << ": saved once";
  }
}

TEST(CatalogueFile, AnUnreadableFileIsNeverWrittenOverAndItsFilmsComeFirstOnceRead) {
  MemoryDisk disk;
  disk.Set({Film("a", "1"), Film("b", "2")});
  disk.locked = true;
  CatalogueFile file(disk);
  Catalogue catalogue;
  try {
    file.Load(catalogue);
    ADD_FAILURE() << "a locked file loads";
  } catch (const Failure& failure) {
    EXPECT_NE(failure.Message().find(L"Dane.dat.\n\nLista filmów jest pusta"), std::wstring::npos);
    EXPECT_EQ(failure.SystemCode(), 32u);
  }
  catalogue.Append(Film("c", "3"));
  catalogue.Select(0);
  catalogue.Mark(0);
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      attempt == 0 ? file.Save(catalogue) : file.SaveIfChanged(catalogue);
      ADD_FAILURE() << "saved over an unread file";
    } catch (const Failure& failure) {
      EXPECT_NE(failure.Message().find(L"nie zostanie zastąpiony"), std::wstring::npos);
    }
  }
  EXPECT_EQ(Order(catalogue), "3");
  EXPECT_NO_THROW(file.Autosave(catalogue)) << "already said";
  disk.locked = false;
  file.SaveIfChanged(catalogue);
  EXPECT_EQ(Order(disk.Read()), "123");
  EXPECT_EQ(catalogue.Film(catalogue.Selected()).originalTitle, "3");
  EXPECT_EQ(catalogue.Film(catalogue.Marked()).originalTitle, "3");
  file.Save(catalogue);
  EXPECT_EQ(Order(disk.Read()), "123") << "read once";
}

TEST(CatalogueFile, AFileUnreadableAtTheStartAndRemovedSinceIsSavedAnew) {
  MemoryDisk disk;
  disk.Set({Film("a", "1")});
  disk.locked = true;
  CatalogueFile file(disk);
  Catalogue catalogue;
  EXPECT_THROW(file.Load(catalogue), Failure);
  catalogue.Append(Film("c", "3"));
  disk.locked = disk.exists = false;  // and removed
  disk.bytes.clear();
  EXPECT_NO_THROW(file.SaveIfChanged(catalogue));
  EXPECT_EQ(Order(disk.Read()), "3");
  catalogue.Append(Film("d", "4"));
  EXPECT_NO_THROW(file.Autosave(catalogue));
  EXPECT_EQ(Order(disk.Read()), "34");
}

// The saves after each change say a failure once, not every two seconds; another failure, or
// the same after a save got through, is news. Without a file the first save makes it; until a
// save got through, each one is asked to keep the file it replaces as the backup.
TEST(CatalogueFile, AnAutosaveSaysAFailureOnceAndTheRunMakesOneBackup) {
  MemoryDisk disk;
  CatalogueFile file(disk);
  Catalogue catalogue;
  catalogue.Append(Film("a", "x"));
  EXPECT_EQ(file.Load(catalogue), CatalogueLoad::NoFile);
  std::wstring said;
  for (const wchar_t* failure : {L"locked", L"locked", L"full", L"", L"", L"full", L"full"}) {
    disk.writeFailure = failure;
    catalogue.Append(Film("b", std::to_string(catalogue.Count())));
    try {
      file.Autosave(catalogue);
      said += L"- ";
    } catch (const Failure& shown) {
      said += shown.Message() + L" ";
    }
  }
  EXPECT_EQ(said, L"locked - full - - full - ");
  EXPECT_EQ(disk.backups, "bbbb---");
  EXPECT_EQ(Order(disk.Read()), "x12345");
}

}  // namespace
}  // namespace kadrion::core
