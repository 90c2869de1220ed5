#include "features/catalogue/film_list.h"

#include <algorithm>

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

// Where a row goes when the rows become `rows` (film k of the new rows is film rows[k] of the
// old): -1 when it is not among them.
template <typename Index>
int NewPlaceOf(int row, const std::vector<Index>& rows) {
  if (row < 0) return -1;
  const auto found = std::find(rows.begin(), rows.end(), static_cast<Index>(row));
  return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
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
  const int selectedNow = NewPlaceOf(Selected(), rows);
  marked_ = NewPlaceOf(marked_, rows);
  rows_.Keep(rows);
  ++revision_;
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
  const int selectedNow = NewPlaceOf(Selected(), sorted);
  marked_ = NewPlaceOf(marked_, sorted);
  rows_.Reorder(sorted);
  ++revision_;
  Select(selectedNow);
  RefreshAll();
}

}  // namespace kadrion
