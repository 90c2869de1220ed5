#include "features/catalogue/description_files.h"

#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace kadrion::features {

namespace {
// A cheap first look: titles that can name one file are of one length and differ only in the
// case of their letters (any two letters beyond ASCII may be such a pair).
bool MayNameOneFile(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    const auto x = static_cast<unsigned char>(a[k]), y = static_cast<unsigned char>(b[k]);
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (fold(x) != fold(y) && (x < 0x80 || y < 0x80)) return false;
  }
  return true;
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
  return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

std::wstring Quoted(std::string_view title) {
  return L"\u201E" + toolkit::FromCp1250(title) + L"\u201D";
}

void Recycle(toolkit::RecycleBin& bin, const std::wstring& path) {
  if (!bin.Recycle(path))
    throw core::Failure(L"Nie można przenieść pliku " + path +
                        L" do Kosza. Zmiany filmu nie zostały zapisane.");
}
}  // namespace

bool DescriptionSharedWith(const core::Catalogue& catalogue, const AppPaths& paths, int row,
                           const std::wstring& path) {
  // A path is made only for titles that may name the file, so this stays quick among 100,000
  // films.
  const std::string_view title = catalogue.Films().Text(static_cast<std::size_t>(row), 0);
  for (int other = 0; other < catalogue.Count(); ++other) {
    if (other == row) continue;
    const std::string_view candidate = catalogue.Films().Text(static_cast<std::size_t>(other), 0);
    if (!MayNameOneFile(candidate, title)) continue;
    const auto otherPath = paths.DescriptionPath(candidate);
    if (otherPath && SameFile(*otherPath, path)) return true;
  }
  return false;
}

DescriptionFiles::DescriptionFiles(const core::Catalogue& catalogue, const AppPaths& paths,
                                   toolkit::Dialogs& dialogs, const toolkit::Control& owner,
                                   toolkit::RecycleBin& recycleBin)
    : catalogue_(catalogue),
      paths_(paths),
      dialogs_(dialogs),
      owner_(owner),
      recycleBin_(recycleBin) {}

DescriptionMove DescriptionFiles::FollowTitle(int row, std::string_view newTitle) {
  const std::string oldTitle = catalogue_.Film(row).polishTitle;
  const auto from = paths_.DescriptionPath(oldTitle);
  const auto to = paths_.DescriptionPath(newTitle);
  // A title that names no file of "Opisy" has no description to give or take.
  if (!from || !to || SameFile(*from, *to) || !toolkit::FileExists(*from))
    return DescriptionMove::Stayed;
  const bool shared = DescriptionSharedWith(catalogue_, paths_, row, *from);
  if (toolkit::FileExists(*to)) {
    const std::wstring question =
        L"Tytuł " + Quoted(newTitle) + L" ma już swój opis.\n\n" + L"Tak: zostaje opis filmu " +
        Quoted(oldTitle) + L", a dotychczasowy opis " + Quoted(newTitle) + L" trafia do Kosza.\n" +
        L"Nie: zostaje dotychczasowy opis " + Quoted(newTitle) +
        (shared ? L"." : L", a opis " + Quoted(oldTitle) + L" trafia do Kosza.") +
        L"\nAnuluj: zmiany filmu nie zostaną zapisane.";
    const toolkit::Answer answer = dialogs_.Ask(owner_.Handle(), question);
    if (answer == toolkit::Answer::Cancel) return DescriptionMove::Cancelled;
    if (answer == toolkit::Answer::No) {
      // A file another film of the old title still has stays where it is.
      if (!shared) Recycle(recycleBin_, *from);
      return DescriptionMove::Stayed;
    }
    // Read before anything goes, so that a failure leaves both files as they were.
    const std::string text = toolkit::ReadWholeFile(*from);
    Recycle(recycleBin_, *to);
    toolkit::WriteWholeFile(*to, text);
  } else {
    toolkit::WriteWholeFile(*to, toolkit::ReadWholeFile(*from));
  }
  if (shared) return DescriptionMove::Copied;
  // The new file is whole: the old one may go. One that stays is a copy, not a loss.
  DeleteFileW(from->c_str());
  return DescriptionMove::Moved;
}

}  // namespace kadrion::features
