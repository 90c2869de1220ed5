#include "features/catalogue/film_list.h"

#include "toolkit/text.h"

namespace kadrion::features {

namespace {
// Sets a flag for a scope.
class Following {
 public:
  explicit Following(bool& flag) : flag_(flag) { flag_ = true; }
  ~Following() { flag_ = false; }
  Following(const Following&) = delete;
  Following& operator=(const Following&) = delete;

 private:
  bool& flag_;
};
}  // namespace

FilmList::FilmList(core::Catalogue& catalogue, const core::ShownFilms& shown)
    : catalogue_(catalogue), shown_(shown) {
  shown_.AddObserver(*this);
}

FilmList::~FilmList() {
  shown_.RemoveObserver(*this);
}

void FilmList::Create(toolkit::Container& parent, int id) {
  ReportList::Create(parent, id,
                     {{L"Tytuł polski", 110},
                      {L"Tytuł oryginalny", 110},
                      {L"Gatunek", 110},
                      {L"Ilość płyt", 110},
                      {L"Nośnik", 110}});
  SetAlignment(toolkit::Align::Client);
  onGetText = [this](int row, int column, wchar_t* buffer, int capacity) {
    const int film = shown_.CatalogueRow(row);
    if (film == core::kNoFilm) return;
    toolkit::FromCp1250Into(catalogue_.Films().Text(static_cast<std::size_t>(film), column),
                            buffer, capacity);
  };
  onSelectionChanged = [this] { SelectionReported(); };
  SetRowCount(shown_.Count());
}

void FilmList::ShowOrder(core::FilmOrder order) {
  shownOrder_ = order;
  ShowSortArrow(order.column, order.direction > 0 ? toolkit::SortDirection::Ascending
                                                  : toolkit::SortDirection::Descending);
}

void FilmList::ScrollFilmTo(int catalogueRow, int top) {
  const int row = shown_.ShownRow(catalogueRow);
  if (row != core::kNoFilm) ScrollBy(RowBounds(row).top - top);
}

void FilmList::ShowSelected() {
  const int row = shown_.ShownRow(catalogue_.Selected());
  if (row != core::kNoFilm) ShowRow(row);
}

void FilmList::ShownFilmsChanged(core::CatalogueChange change) {
  if (following_ || !Handle()) return;
  const Following following(following_);
  // An added, changed or reloaded film can leave the order the arrow shows; a deletion never
  // does. Checked only while an arrow shows, up to the first film out of place.
  if (change != core::CatalogueChange::Selection && shownOrder_ &&
      !core::IsInOrder(catalogue_.Films(), *shownOrder_)) {
    shownOrder_.reset();
    ClearSortArrow();
  }
  if (change != core::CatalogueChange::Selection) SetRowCount(shown_.Count());
  const int selected = shown_.ShownRow(catalogue_.Selected());
  // The selected film is one the user sees: the filter hiding it takes the selection away too,
  // so that nothing acts on a film out of sight.
  if (selected == core::kNoFilm && catalogue_.Selected() != core::kNoFilm)
    catalogue_.Select(core::kNoFilm);
  Select(selected);
  // A film the program selects (found, saved) is shown.
  if (change == core::CatalogueChange::Selection && selected != core::kNoFilm) ShowRow(selected);
  if (change != core::CatalogueChange::Selection) RefreshAll();
}

void FilmList::SelectionReported() {
  if (following_) return;
  const Following following(following_);
  catalogue_.Select(shown_.CatalogueRow(Selected()));
}

}  // namespace kadrion::features
