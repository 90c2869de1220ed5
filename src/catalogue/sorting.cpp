// Sorting by a clicked column header and removing duplicate rows.
#include "app/main_window.h"

namespace kadrion {

void TMainWindow::ListaColumnClick(int column) {
  const FilmOrder order = columnSort_.Click(column);
  Lista.Sort([order](const FilmEntry& a, const FilmEntry& b) {
    return CompareFilms(a, b, order.column, order.direction);
  });
}

void TMainWindow::Usuduplikaty1Click() {
  // The status line keeps its old count until the next refresh.
  Lista.Keep(DistinctRows(Lista.Rows()));
}

}  // namespace kadrion
