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

FilmList::FilmList(core::Catalogue& catalogue) : catalogue_(catalogue) {
  catalogue_.AddObserver(*this);
}

FilmList::~FilmList() {
  catalogue_.RemoveObserver(*this);
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
    if (row < 0 || row >= catalogue_.Count()) return;
    toolkit::FromCp1250Into(catalogue_.Films().Text(static_cast<std::size_t>(row), column), buffer,
                            capacity);
  };
  onSelectionChanged = [this] { SelectionReported(); };
  SetRowCount(catalogue_.Count());
}

void FilmList::ShowOrder(core::FilmOrder order) {
  shownOrder_ = order;
  ShowSortArrow(order.column, order.direction > 0 ? toolkit::SortDirection::Ascending
                                                  : toolkit::SortDirection::Descending);
}

void FilmList::CatalogueChanged(core::CatalogueChange change) {
  if (following_ || !Handle()) return;
  const Following following(following_);
  // An added, changed or reloaded film can leave the order the arrow shows; a deletion never
  // does. Checked only while an arrow shows, up to the first film out of place.
  if (change != core::CatalogueChange::Selection && shownOrder_ &&
      !core::IsInOrder(catalogue_.Films(), *shownOrder_)) {
    shownOrder_.reset();
    ClearSortArrow();
  }
  if (change != core::CatalogueChange::Selection) SetRowCount(catalogue_.Count());
  Select(catalogue_.Selected());
  // A film the program selects (found, saved) is shown.
  if (change == core::CatalogueChange::Selection) ShowRow(catalogue_.Selected());
  if (change != core::CatalogueChange::Selection) RefreshAll();
}

void FilmList::SelectionReported() {
  if (following_) return;
  const Following following(following_);
  catalogue_.Select(Selected());
}

}  // namespace kadrion::features
