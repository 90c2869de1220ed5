#include "features/catalogue/film_list.h"

#include <algorithm>
#include <numeric>

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
    toolkit::FromCp1250Into(Field(Row(row), column), buffer, capacity);
  };
}

void FilmList::Append(FilmEntry entry) {
  rows_.push_back(std::move(entry));
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
  rows_.erase(rows_.begin() + index);
  SetRowCount(Count());
  Select(selected);
  RefreshAll();
}

void FilmList::Keep(const std::vector<std::size_t>& rows) {
  const int selected = Selected();
  int selectedNow = -1, markedNow = -1;
  std::vector<FilmEntry> kept;
  kept.reserve(rows.size());
  for (std::size_t row : rows) {
    if (static_cast<int>(row) == selected) selectedNow = static_cast<int>(kept.size());
    if (static_cast<int>(row) == marked_) markedNow = static_cast<int>(kept.size());
    kept.push_back(std::move(rows_[row]));
  }
  rows_ = std::move(kept);
  marked_ = markedNow;
  SetRowCount(Count());
  Select(selectedNow);
  RefreshAll();
}

void FilmList::Assign(std::vector<FilmEntry> rows) {
  rows_ = std::move(rows);
  marked_ = -1;
  SetRowCount(Count());
  RefreshAll();
}

void FilmList::Sort(const Comparison& compare) {
  std::vector<int> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return compare(Row(a), Row(b)) < 0; });
  const int selected = Selected();
  std::vector<FilmEntry> sorted;
  sorted.reserve(rows_.size());
  int selectedNow = -1, markedNow = -1;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (order[k] == selected) selectedNow = static_cast<int>(k);
    if (order[k] == marked_) markedNow = static_cast<int>(k);
    sorted.push_back(std::move(rows_[static_cast<std::size_t>(order[k])]));
  }
  rows_ = std::move(sorted);
  marked_ = markedNow;
  Select(selectedNow);
  RefreshAll();
}

}  // namespace kadrion
