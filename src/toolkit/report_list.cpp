#include "toolkit/report_list.h"

#include "toolkit/container.h"

namespace kadrion::toolkit {

void ReportList::Create(Container& parent, int id, const std::vector<Column>& columns) {
  CreateHandle(WC_LISTVIEWW, L"",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_OWNERDATA |
                   LVS_SINGLESEL | LVS_SHOWSELALWAYS,
               WS_EX_CLIENTEDGE, &parent, id, RECT{0, 0, 100, 100});
  ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (const Column& column : columns) {
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.pszText = const_cast<wchar_t*>(column.caption.c_str());
    lvc.cx = column.width;
    lvc.iSubItem = columnCount_;
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, columnCount_++, reinterpret_cast<LPARAM>(&lvc));
  }
}

int ReportList::ColumnWidth(int column) const {
  return ListView_GetColumnWidth(hwnd_, column);
}

void ReportList::SetColumnWidth(int column, int width) {
  ListView_SetColumnWidth(hwnd_, column, width);
}

void ReportList::ShowSortArrow(int column, SortDirection direction) {
  SetSortFlags(column, direction == SortDirection::Ascending ? HDF_SORTUP : HDF_SORTDOWN);
}

void ReportList::ClearSortArrow() {
  SetSortFlags(-1, 0);
}

void ReportList::SetSortFlags(int column, int arrow) {
  const HWND header = ListView_GetHeader(hwnd_);
  for (int k = 0; k < columnCount_; ++k) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!Header_GetItem(header, k, &item)) continue;
    const int format = (item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | (k == column ? arrow : 0);
    if (format == item.fmt) continue;
    item.fmt = format;
    Header_SetItem(header, k, &item);
  }
}

std::wstring ReportList::ColumnCaption(int column) const {
  wchar_t caption[256] = L"";
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT;
  info.pszText = caption;
  info.cchTextMax = 256;
  ListView_GetColumn(hwnd_, column, &info);
  return caption;
}

void ReportList::SetRowCount(int count) {
  // The count is told only when it changed: telling it redraws the scroll bar at once.
  if (count != RowCount())
    ListView_SetItemCountEx(hwnd_, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

int ReportList::RowCount() const {
  return ListView_GetItemCount(hwnd_);
}

void ReportList::RefreshAll() {
  InvalidateRect(hwnd_, nullptr, FALSE);
}

int ReportList::Selected() const {
  // Looking for the selected row walks the rows up to it, every row when none is selected;
  // the count of selected rows is known at once.
  if (ListView_GetSelectedCount(hwnd_) == 0) return -1;
  return ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
}

void ReportList::Select(int row) {
  // Only the one selected row is cleared: clearing "all rows" walks every row of a long list.
  const int old = Selected();
  if (old >= 0 && old != row) ListView_SetItemState(hwnd_, old, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row >= 0)
    ListView_SetItemState(hwnd_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ReportList::ShowRow(int row) {
  if (row >= 0) SendMessageW(hwnd_, LVM_ENSUREVISIBLE, row, FALSE);
}

void ReportList::ScrollBy(int pixels) {
  ListView_Scroll(hwnd_, 0, pixels);
}

RECT ReportList::RowBounds(int row) const {
  RECT rect{};
  ListView_GetItemRect(hwnd_, row, &rect, LVIR_BOUNDS);
  return rect;
}

void ReportList::ApplyFont() {
  Control::ApplyFont();
  ListView_SetTextColor(hwnd_, font_->Info().color);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ReportList::ApplyColor() {
  ListView_SetBkColor(hwnd_, *color_);
  ListView_SetTextBkColor(hwnd_, *color_);
}

bool ReportList::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != hwnd_) return false;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
      if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        item.pszText[0] = L'\0';
        if (onGetText) onGetText(item.iItem, item.iSubItem, item.pszText, item.cchTextMax);
      }
      return true;
    }
    case LVN_ODFINDITEMW:
      result = -1;  // no type-ahead search in the list
      return true;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) &&
          ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) && onSelectionChanged)
        onSelectionChanged();
      return true;
    }
    case NM_CLICK:
      if (onClick) onClick();
      return true;
    case NM_DBLCLK:
      if (onDblClick) onDblClick();
      return true;
    case LVN_COLUMNCLICK:
      if (onColumnClick) onColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
      return true;
    default:
      return false;
  }
}

}  // namespace kadrion::toolkit
