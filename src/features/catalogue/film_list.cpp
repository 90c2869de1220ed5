#include "features/catalogue/film_list.h"

#include "toolkit/text.h"

namespace kadrion {

void FilmList::Create(toolkit::Container& parent, int id) {
  ReportList::Create(parent, id,
                     {{L"Tytuł polski", 110},
                      {L"Tytuł oryginalny", 110},
                      {L"Gatunek", 110},
                      {L"Ilość płyt", 110},
                      {L"Nośnik", 110}});
  SetAlignment(toolkit::Align::Client);
  onGetText = [this](int row, int column, wchar_t* buffer, int capacity) {
    if (row < 0 || row >= Count()) return;
    toolkit::FromCp1250Into(rows_.Text(static_cast<std::size_t>(row), column), buffer, capacity);
  };
}

void FilmList::Append(const FilmEntry& entry) {
  rows_.Append(entry);
  ++revision_;
  SetRowCount(Count());
}

namespace {
// Where a row index goes when row `deleted` is taken out of the list.
int AfterDeletion(int row, int deleted) {
  if (row == deleted) return -1;
  return row > deleted ? row - 1 : row;
}
}  // namespace

void FilmList::Delete(int index) {
  const int selected = AfterDeletion(Selected(), index);
  marked_ = AfterDeletion(marked_, index);
  rows_.Erase(static_cast<std::size_t>(index));
  ++revision_;
  SetRowCount(Count());
  Select(selected);
  RefreshAll();
}

void FilmList::Keep(const std::vector<std::size_t>& rows) {
  const int selected = Selected();
  int selectedNow = -1, markedNow = -1;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (static_cast<int>(rows[k]) == selected) selectedNow = static_cast<int>(k);
    if (static_cast<int>(rows[k]) == marked_) markedNow = static_cast<int>(k);
  }
  rows_.Keep(rows);
  ++revision_;
  marked_ = markedNow;
  SetRowCount(Count());
  Select(selectedNow);
  RefreshAll();
}

void FilmList::Assign(FilmStore rows) {
  rows_ = std::move(rows);
  ++revision_;
  marked_ = -1;
  SetRowCount(Count());
  RefreshAll();
}

void FilmList::Sort(FilmOrder order) {
  const std::vector<std::uint32_t> sorted = SortedOrder(rows_, order);
  const int selected = Selected();
  int selectedNow = -1, markedNow = -1;
  for (std::size_t k = 0; k < sorted.size(); ++k) {
    if (static_cast<int>(sorted[k]) == selected) selectedNow = static_cast<int>(k);
    if (static_cast<int>(sorted[k]) == marked_) markedNow = static_cast<int>(k);
  }
  rows_.Reorder(sorted);
  ++revision_;
  marked_ = markedNow;
  Select(selectedNow);
  RefreshAll();
}

}  // namespace kadrion
