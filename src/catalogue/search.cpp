// Find, next and previous: select the row whose text holds the search edit's text.
#include "app/main_window.h"
#include "core/film_search.h"

namespace kadrion {

namespace {
// A found row stands this far below the top of the list.
constexpr int kFoundRowOffset = 100;

std::optional<std::size_t> SelectedRow(const TFilmList& list) {
  const int selected = list.Selected();
  if (selected < 0) return std::nullopt;
  return static_cast<std::size_t>(selected);
}
}  // namespace

void TMainWindow::SelectFound(int row) {
  Lista.Focus();
  Lista.Select(row);
  Lista.ScrollBy(Lista.RowBounds(row).top - kFoundRowOffset);
  SetStatusLine(true);
}

void TMainWindow::Button1Click() {
  Sz.Click();
  if (const auto row = FindFilm(Lista.Rows(), ss.Text())) SelectFound(static_cast<int>(*row));
}

void TMainWindow::Button5Click() {
  if (const auto row = FindNextFilm(Lista.Rows(), ss.Text(), SelectedRow(Lista)))
    SelectFound(static_cast<int>(*row));
}

void TMainWindow::Button6Click() {
  if (const auto row = FindPreviousFilm(Lista.Rows(), ss.Text(), SelectedRow(Lista)))
    SelectFound(static_cast<int>(*row));
}

}  // namespace kadrion
