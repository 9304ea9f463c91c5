#include "platform/win32/list_view.h"

#include <algorithm>

#include "platform/win32/controls_scale.h"
#include "platform/win32/window_hook.h"

namespace kistvar::win32 {
namespace {

namespace layout = ui::layout;

constexpr DWORD fixed_styles = LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_NOCOLUMNHEADER |
                               LVS_OWNERDATA | LVS_SHAREIMAGELISTS;

DWORD view_style_bits(int style) {
    switch (style) {
    case ui::ListView::large_icons: return LVS_ICON;
    case ui::ListView::small_icons: return LVS_SMALLICON;
    case ui::ListView::list: return LVS_LIST;
    default: return LVS_REPORT;
    }
}

}  // namespace

Win32ListView::Win32ListView(HWND parent, const layout::ControlLayout& placement, int x, int y, int id,
                             HIMAGELIST pictures)
    : NativeControl(create_child(parent, WC_LISTVIEWW, "",
                                 WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | fixed_styles | LVS_REPORT,
                                 WS_EX_CLIENTEDGE, x, y, placement.width, placement.height, id)) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = scaled(layout::list_column_width);
    SendMessageW(window_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    const COLORREF background = colour_ref(layout::list_background);
    SendMessageW(window_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(window_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(window_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour_ref(placement.text_colour)));
    use_pictures(pictures);
    SendMessageW(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_INFOTIP, LVS_EX_INFOTIP);
    hook_window(window_, &Win32ListView::watch_input, reinterpret_cast<DWORD_PTR>(this));
}

void Win32ListView::use_pictures(HIMAGELIST pictures) {
    // One image list serves every view, so the pictures keep their 32 x 32 size.
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(pictures));
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures));
    SendMessageW(window_, LVM_SETCOLUMNWIDTH, 0, scaled(layout::list_column_width));
}

Win32ListView::~Win32ListView() {
    unhook_window(window_, &Win32ListView::watch_input);
    if (picture_) DeleteObject(picture_);
}

void Win32ListView::set_view_style(int style) {
    view_style_ = std::clamp(style, static_cast<int>(large_icons), static_cast<int>(report));
    const auto styles = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const DWORD wanted = (styles & ~LVS_TYPEMASK) | view_style_bits(view_style_);
    // The control lays itself out again for any new style, even the same one.
    if (wanted != styles) SetWindowLongPtrW(window_, GWL_STYLE, wanted);
    rebuild();
}

void Win32ListView::set_sort_order(int order) {
    sort_order_ = std::clamp(order, static_cast<int>(unsorted), static_cast<int>(descending));
    model_.set_order(static_cast<SortOrder>(sort_order_));
    rebuild();
}

// A rebuilt list is a new, empty window that takes over the focus of the old
// one; ours keeps its handle (the drop target registered on it stays) and
// announces the focus as the new window would.
void Win32ListView::rebuild() {
    cancel_label_edit();
    delete_all_items();
    if (GetFocus() == window_) fire(on_got_focus);
}

int Win32ListView::selected_item() const {
    return model_ahead_ ? model_ahead_->selected : shown_selection();
}

void Win32ListView::set_selected_item(int index) {
    if (index < -1) index = -1;
    if (index == -1) {
        const int selected = selected_item();
        if (selected >= 0) set_marks(selected, 0, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    if (model_.contains(index)) set_marks(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

int Win32ListView::insert_item(int position, std::string_view title, int picture) {
    Marks& marks = marks_ahead();
    const int index = model_.insert(position, title, picture);
    if (marks.selected >= index) ++marks.selected;
    if (marks.focused >= index) ++marks.focused;
    return index;
}

void Win32ListView::set_item_picture(int index, int picture) {
    if (!model_.set_picture(index, picture)) return;
    SendMessageW(window_, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

void Win32ListView::delete_item(int index) {
    if (!model_.contains(index)) return;
    Marks& marks = marks_ahead();
    model_.erase(index);
    if (marks.selected == index)
        marks.selected = -1;
    else if (marks.selected > index)
        --marks.selected;
    // The focus mark of a deleted item passes to the item that takes its
    // place (the new last one when it was last), as in an ordinary list.
    if (marks.focused > index || marks.focused == model_.size()) --marks.focused;
}

void Win32ListView::delete_all_items() {
    marks_ahead() = Marks{-1, -1};
    model_.clear();
}

void Win32ListView::ensure_visible(int index) {
    if (model_.contains(index)) SendMessageW(window_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void Win32ListView::edit_title(int index) {
    // Windows starts no edit in a list without the keyboard focus.
    SetFocus(window_);
    if (!model_.contains(index)) return;
    // Wine's control also moves the focus mark to the item; the logic asked for an edit only.
    Quietly quietly(quiet_);
    SendMessageW(window_, LVM_EDITLABELW, static_cast<WPARAM>(index), 0);
}

}  // namespace kistvar::win32
