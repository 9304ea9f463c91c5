// The contents window's list: an owner-data list view. It holds only the row
// count and the selection mark; it asks for each cell it draws and for the
// row that typed text finds. The selected row stays selected when the rows
// are ordered again (and is brought into view) or more come in.
#include "platform/win32/contents_window.h"

#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {

void Win32ContentsWindow::show_columns(const std::vector<std::string>& columns) {
    while (SendMessageW(list_, LVM_DELETECOLUMN, 0, 0)) {
    }
    const int count = static_cast<int>(columns.size());
    for (int at = 0; at < count; ++at) {
        const std::wstring caption = widen(columns[at]);
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        // The name gets the room; the numbers a narrow column each, and the
        // place one wide enough for the longest tab's name ("Consumables 40").
        const bool number_column = at >= count - 3 && at < count - 1;
        const bool place_column = at == count - 1;
        column.fmt = number_column ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = scaled(number_column ? 72 : place_column ? 100 : (count == 5 && at == 0 ? 140 : 200));
        column.pszText = const_cast<wchar_t*>(caption.c_str());
        SendMessageW(list_, LVM_INSERTCOLUMNW, at, reinterpret_cast<LPARAM>(&column));
    }
    columns_ = columns;
}

void Win32ContentsWindow::show_rows(const std::vector<std::string>& columns, std::vector<ui::Row> rows) {
    if (!window_) return;
    const bool same_columns = columns == columns_;
    if (!same_columns) show_columns(columns);
    rows_.show(std::move(rows), same_columns);
    show_row_count(true);
}

void Win32ContentsWindow::add_rows(std::vector<ui::Row> rows) {
    if (!window_ || rows.empty()) return;
    // In an order a header chose, the selected row may move down; the view stays.
    const int selected = rows_.ordered() ? selected_row() : -1;
    rows_.add(std::move(rows));
    show_row_count(false);
    if (selected >= 0) select_row(selected, false);
}

// New rows start from the top with nothing selected. More rows leave the
// view where it is; in an order a header chose they fall among the rows in
// view, which are drawn again.
void Win32ContentsWindow::show_row_count(bool from_the_top) {
    const WPARAM count = static_cast<WPARAM>(rows_.size());
    if (from_the_top) {
        LVITEMW none{};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        SendMessageW(list_, LVM_SETITEMCOUNT, count, 0);
        if (count > 0) SendMessageW(list_, LVM_ENSUREVISIBLE, 0, FALSE);
        InvalidateRect(list_, nullptr, TRUE);
        return;
    }
    SendMessageW(list_, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (rows_.ordered()) InvalidateRect(list_, nullptr, FALSE);
}

void Win32ContentsWindow::sort_by(int column) {
    const int selected = selected_row();
    rows_.sort_by(column);
    if (selected >= 0) select_row(selected, true);
    InvalidateRect(list_, nullptr, FALSE);
}

int Win32ContentsWindow::selected_row() const {
    const int position = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return rows_.row_at(position);
}

void Win32ContentsWindow::select_row(int row, bool into_view) {
    const int position = rows_.position_of(row);
    if (position < 0) return;
    LVITEMW marks{};
    marks.state = marks.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&marks));
    if (into_view) SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(position), FALSE);
}

LRESULT Win32ContentsWindow::list_notified(const NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
        if (!(item.mask & LVIF_TEXT) || !item.pszText || item.iItem < 0 ||
            static_cast<std::size_t>(item.iItem) >= rows_.size())
            return 0;
        const ui::Row& row = rows_.shown_at(static_cast<std::size_t>(item.iItem));
        const std::size_t column = static_cast<std::size_t>(item.iSubItem);
        copy_widened(column < row.size() ? row[column] : std::string(), item.pszText, item.cchTextMax);
        return 0;
    }
    case LVN_ODFINDITEMW: {
        // Typing in the list goes to the next row whose first cell begins so.
        const auto& query = reinterpret_cast<const NMLVFINDITEMW&>(header);
        if (!(query.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !query.lvfi.psz) return -1;
        return rows_.find(narrow(query.lvfi.psz), query.iStart);
    }
    case LVN_COLUMNCLICK:
        sort_by(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        return 0;
    case NM_DBLCLK: {
        const int row = rows_.row_at(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
        if (row >= 0 && on_row_double_clicked) on_row_double_clicked(row);
        return 0;
    }
    default:
        return 0;
    }
}

}  // namespace kistvar::win32
