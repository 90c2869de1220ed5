#pragma once
// A report-style list view whose rows live outside it: the owner keeps the data and the list
// asks for the text of each visible cell, so a hundred thousand rows cost nothing to show.
// Whole-row selection, grid lines, at most one row selected.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace kadrion::toolkit {

class Container;

// The order a column header's arrow shows.
enum class SortDirection { Ascending, Descending };

class ReportList : public Control {
 public:
  struct Column {
    std::wstring caption;
    int width;
  };

  void Create(Container& parent, int id, const std::vector<Column>& columns);

  int ColumnCount() const { return columnCount_; }
  int ColumnWidth(int column) const;
  std::wstring ColumnCaption(int column) const;
  void SetColumnWidth(int column, int width);
  // The sort arrow on the header of `column`, pointing up for ascending, and none on the others.
  void ShowSortArrow(int column, SortDirection direction);
  void ClearSortArrow();

  // Tells the list how many rows there are; keeps the selection where it is when possible.
  void SetRowCount(int count);
  int RowCount() const;
  // Redraws the rows after their data changed.
  void RefreshAll();

  // -1 when no row is selected.
  int Selected() const;
  // Selects one row (and gives it the focus mark), or none with -1.
  void Select(int row);
  // Scrolls just far enough to show the row whole.
  void ShowRow(int row);
  // Scrolls the rows by `pixels` (down when positive).
  void ScrollBy(int pixels);
  RECT RowBounds(int row) const;

  // Fills `buffer` (capacity `capacity`, terminated) with the text of a cell.
  std::function<void(int row, int column, wchar_t* buffer, int capacity)> onGetText;
  // A row became selected or stopped being selected, by the user or by a message.
  std::function<void()> onSelectionChanged;
  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void(int column)> onColumnClick;

  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 protected:
  void ApplyFont() override;
  void ApplyColor() override;

 private:
  // The header's arrow flags of every column: `arrow` on `column`, none on the others.
  void SetSortFlags(int column, int arrow);

  int columnCount_ = 0;
};

}  // namespace kadrion::toolkit
