#include "catalogue/film_list.h"

#include "toolkit/text.h"

namespace kadrion {

void TFilmList::Create(toolkit::Container& parent, int id) {
  ReportList::Create(parent, id,
                     {{L"Tytuł polski", 110},
                      {L"Tytuł oryginalny", 110},
                      {L"Gatunek", 110},
                      {L"Ilość płyt", 110},
                      {L"Nośnik", 110}});
  align = toolkit::Align::Client;
  onGetText = [this](int row, int column, wchar_t* buffer, int capacity) {
    if (row < 0 || row >= Count()) return;
    toolkit::FromCp1250Into(Field(Row(row), column), buffer, capacity);
  };
}

void TFilmList::Append(FilmEntry entry) {
  rows_.push_back(std::move(entry));
  SetRowCount(Count());
}

void TFilmList::Delete(int index) {
  rows_.erase(rows_.begin() + index);
  Select(-1);
  SetRowCount(Count());
  RefreshAll();
}

void TFilmList::Assign(std::vector<FilmEntry> rows) {
  rows_ = std::move(rows);
  SetRowCount(Count());
  RefreshAll();
}

}  // namespace kadrion
