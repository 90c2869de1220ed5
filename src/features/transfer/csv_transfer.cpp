#include "features/transfer/csv_transfer.h"

#include <memory>

#include "core/record_codec.h"
#include "toolkit/files.h"
#include "toolkit/shell.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {

const std::vector<toolkit::FileFilter> kCsvFiles = {{L"Pliki CSV (*.csv)", L"*.csv"},
                                                    {L"Wszystkie pliki (*.*)", L"*.*"}};

// The columns as the header row names them.
constexpr const wchar_t* kColumnNames[core::kFilmColumns] = {L"Tytuł polski", L"Tytuł oryginalny",
                                                             L"Gatunek", L"Ilość płyt", L"Nośnik"};

std::wstring Quoted(const std::wstring& text) {
  return L"\u201E" + text + L"\u201D";
}

std::wstring FileName(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Problem(const core::CsvProblem& problem) {
  std::wstring what;
  switch (problem.kind) {
    case core::CsvProblemKind::TooLong:
      what = L"tekst dłuższy niż " + std::to_wstring(core::kRecordFields[problem.column].capacity) +
             L" znaków, zostanie skrócony";
      break;
    case core::CsvProblemKind::OutsideCp1250:
      what = L"znaki, których katalog nie zapisze, zostaną zastąpione przez " + Quoted(L"?");
      break;
    case core::CsvProblemKind::NotDiscCount:
      what = L"to nie liczba od 0 do 9999";
      break;
  }
  return L"wiersz " + std::to_wstring(problem.line) + L", " + kColumnNames[problem.column] + L": " +
         what;
}

std::wstring ProblemsQuestion(const std::wstring& path, const core::FilmStore& films,
                              const core::CsvImport& read) {
  std::wstring text = L"Z pliku " + Quoted(FileName(path)) + L" zostanie dodanych filmów: " +
                      std::to_wstring(films.Size()) +
                      L".\n\nWierszy z danymi, których katalog nie zapisze w całości: " +
                      std::to_wstring(read.linesWithProblems) + L".\n";
  std::size_t linesNamed = 0;
  for (std::size_t k = 0; k < read.firstProblems.size(); ++k) {
    text += L"\n" + Problem(read.firstProblems[k]);
    if (k == 0 || read.firstProblems[k].line != read.firstProblems[k - 1].line) ++linesNamed;
  }
  if (read.linesWithProblems > linesNamed) text += L"\n…";
  return text + L"\n\nDodać filmy tak, jak da się je zapisać? Wybierz " + Quoted(L"Nie") +
         L", aby nie dodawać niczego.";
}

}  // namespace

CsvTransfer::CsvTransfer(core::Catalogue& catalogue, const core::ShownFilms& shown,
                         toolkit::Dialogs& dialogs, const toolkit::Control& owner,
                         StatusLine& status, toolkit::BackgroundWork& work)
    : catalogue_(catalogue),
      shown_(shown),
      dialogs_(dialogs),
      owner_(owner),
      status_(status),
      imports_(catalogue, dialogs, owner, status, work) {}

void CsvTransfer::Export() {
  std::wstring path;
  if (!dialogs_.SaveFile(owner_.Handle(), kCsvFiles, toolkit::DocumentsFolder(), L"Filmy.csv",
                         path))
    return;
  if (!shown_.Filtering()) {
    toolkit::WriteWholeFile(path, core::FilmsToCsv(catalogue_.Films()));
    status_.ShowMessage(L"Filmy zapisane w " + path);
    return;
  }
  toolkit::WriteWholeFile(path, core::FilmsToCsv(shown_.Copy()));
  status_.ShowMessage(L"Filmy zapisane w " + path + L" (" + std::to_wstring(shown_.Count()) +
                      L" z " + std::to_wstring(catalogue_.Count()) + L")");
}

void CsvTransfer::Import() {
  std::wstring path;
  if (dialogs_.OpenFile(owner_.Handle(), kCsvFiles, path)) ImportFile(path);
}

void CsvTransfer::ImportFile(const std::wstring& path) {
  // All but the films, for the question once the file is read.
  auto read = std::make_shared<core::CsvImport>();
  imports_.Run(
      {toolkit::ProgressTexts{L"Import z pliku CSV", L"Przeczytane bajty"},
       L"Import przerwany, nic nie dodano.",
       [path, read](core::WorkProgress& progress, core::FilmStore& films) {
         *read = core::ReadFilmsCsv(toolkit::ReadWholeFile(path), progress);
         films = std::move(read->films);
         return read->complete;
       },
       [this, path, read](const core::FilmStore& films) { return Accepted(path, films, *read); },
       nullptr});
}

bool CsvTransfer::Accepted(const std::wstring& path, const core::FilmStore& films,
                           const core::CsvImport& read) {
  if (films.Empty()) {
    dialogs_.ShowMessage(owner_.Handle(),
                         L"W pliku " + Quoted(FileName(path)) + L" nie ma filmów do dodania.");
    return false;
  }
  return read.linesWithProblems == 0 ||
         dialogs_.AskYesNo(owner_.Handle(), ProblemsQuestion(path, films, read)) ==
             toolkit::Answer::Yes;
}

}  // namespace kadrion::features
