#include "platform/win32/list_view.h"

#include <algorithm>

#include "platform/win32/controls_scale.h"
#include "platform/win32/wide_text.h"

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

// Marks moved by us must not look like the user's doing.
class Quietly {
public:
    explicit Quietly(bool& quiet) : quiet_(quiet), was_(quiet) { quiet_ = true; }
    ~Quietly() { quiet_ = was_; }
    Quietly(const Quietly&) = delete;
    Quietly& operator=(const Quietly&) = delete;

private:
    bool& quiet_;
    bool was_;
};

void fire(const ui::Event& event) {
    if (event) event();
}

}  // namespace

Win32ListView::Win32ListView(HWND parent, const layout::ControlSpec& spec, int x, int y, int id,
                             HIMAGELIST pictures)
    : NativeControl(create_child(parent, WC_LISTVIEWW, "",
                                 WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | fixed_styles | LVS_REPORT,
                                 WS_EX_CLIENTEDGE, x, y, spec.width, spec.height, id)) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = scaled(layout::list_column_width);
    SendMessageW(window_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    const COLORREF background = colour_ref(layout::list_background);
    SendMessageW(window_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(window_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(window_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour_ref(spec.text_colour)));
    // One image list serves every view, so the pictures keep their 32 x 32 size.
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(pictures));
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures));
}

void Win32ListView::set_view_style(int style) {
    view_style_ = std::clamp(style, static_cast<int>(large_icons), static_cast<int>(report));
    const auto styles = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    SetWindowLongPtrW(window_, GWL_STYLE, (styles & ~LVS_TYPEMASK) | view_style_bits(view_style_));
    rebuild();
}

void Win32ListView::set_sort_order(int order) {
    sort_order_ = std::clamp(order, static_cast<int>(unsorted), static_cast<int>(descending));
    model_.set_order(static_cast<ListViewModel::Order>(sort_order_));
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

void Win32ListView::cancel_label_edit() {
    HWND edit = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETEDITCONTROL, 0, 0));
    if (!edit) return;
    Quietly quietly(quiet_);
    SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
}

int Win32ListView::marked(UINT mark) const {
    return static_cast<int>(SendMessageW(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), mark));
}

void Win32ListView::set_marks(int index, UINT marks, UINT which) {
    LVITEMW item{};
    item.state = marks;
    item.stateMask = which;
    SendMessageW(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void Win32ListView::replace_marks(int selected, int focused) {
    Quietly quietly(quiet_);
    set_marks(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (focused >= 0) set_marks(focused, LVIS_FOCUSED, LVIS_FOCUSED);
    if (selected >= 0) set_marks(selected, LVIS_SELECTED, LVIS_SELECTED);
}

void Win32ListView::show_item_count() {
    Quietly quietly(quiet_);
    SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(model_.size()), LVSICF_NOSCROLL);
    InvalidateRect(window_, nullptr, TRUE);
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
    const int selected = selected_item();
    const int focused = marked(LVNI_FOCUSED);
    constexpr int no_picture = 0;  // what the control reports for an item inserted without one
    const int index = model_.insert(position, widen(title), picture < -1 ? no_picture : picture);
    show_item_count();
    if (selected >= index || focused >= index)
        replace_marks(selected >= index ? selected + 1 : selected, focused >= index ? focused + 1 : focused);
    return index;
}

std::string Win32ListView::get_item_title(int index) const {
    return model_.contains(index) ? narrow(model_.at(index).title) : std::string();
}

int Win32ListView::get_item_picture(int index) const {
    return model_.contains(index) ? model_.at(index).picture : 0;
}

void Win32ListView::set_item_picture(int index, int picture) {
    // Below -1 the picture is left out of the change.
    if (!model_.contains(index) || picture < -1) return;
    model_.at(index).picture = picture;
    SendMessageW(window_, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

int Win32ListView::find_item(std::string_view title, int start, bool whole_title) const {
    return model_.find(widen(title), start, whole_title);
}

void Win32ListView::delete_item(int index) {
    if (!model_.contains(index)) return;
    const int selected = selected_item();
    const int focused = marked(LVNI_FOCUSED);
    model_.erase(index);
    // The focus mark of a deleted item passes to the item that takes its
    // place (the new last one when it was last), as in an ordinary list.
    int new_focused = focused > index ? focused - 1 : focused;
    if (new_focused == model_.size()) --new_focused;
    const int new_selected = selected == index ? -1 : selected > index ? selected - 1 : selected;
    replace_marks(-1, -1);
    show_item_count();
    replace_marks(new_selected, new_focused);
}

void Win32ListView::delete_all_items() {
    replace_marks(-1, -1);
    model_.clear();
    show_item_count();
}

void Win32ListView::ensure_visible(int index) {
    if (model_.contains(index)) SendMessageW(window_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void Win32ListView::edit_title(int index) {
    // Windows starts no edit in a list without the keyboard focus.
    SetFocus(window_);
    if (model_.contains(index)) SendMessageW(window_, LVM_EDITLABELW, static_cast<WPARAM>(index), 0);
}

std::optional<LRESULT> Win32ListView::on_notify(const NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW:
        fill_display_info(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
        return 0;
    case LVN_ODFINDITEMW:
        return find_for_keyboard(reinterpret_cast<const NMLVFINDITEMW&>(header));
    case NM_SETFOCUS:
        if (!quiet_) fire(on_got_focus);
        return 0;
    case LVN_ITEMCHANGED:
        item_changed(reinterpret_cast<const NMLISTVIEW&>(header));
        return 0;
    case LVN_ITEMACTIVATE:
        if (!quiet_) fire(on_item_double_clicked);
        return 0;
    case NM_RCLICK:
        if (!quiet_) fire(on_right_click);
        return 0;
    case LVN_BEGINLABELEDITW:
        return FALSE;  // nothing refuses an edit
    case LVN_ENDLABELEDITW:
        return finish_label_edit(reinterpret_cast<const NMLVDISPINFOW&>(header));
    default:
        return std::nullopt;
    }
}

void Win32ListView::fill_display_info(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if (!model_.contains(item.iItem)) return;
    const auto& shown = model_.at(item.iItem);
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const auto length = std::min<std::size_t>(shown.title.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        std::copy_n(shown.title.data(), length, item.pszText);
        item.pszText[length] = L'\0';
    }
    if (item.mask & LVIF_IMAGE) item.iImage = shown.picture;
}

void Win32ListView::item_changed(const NMLISTVIEW& change) {
    if (quiet_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
    const bool gains_focus_mark = (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED);
    if (gains_focus_mark) fire(on_current_item_changed);
}

LRESULT Win32ListView::finish_label_edit(const NMLVDISPINFOW& info) {
    const int index = info.item.iItem;
    if (quiet_ || !model_.contains(index)) return FALSE;
    // No text: cancelled, or confirmed unchanged. Either way the title stays.
    const bool typed = info.item.pszText != nullptr;
    const std::wstring title = typed ? std::wstring(info.item.pszText) : model_.at(index).title;
    edited_title_ = narrow(title);
    const bool keep = on_label_edit_finished ? on_label_edit_finished(index) : true;
    edited_title_.reset();
    // The procedure may have changed the list; the title goes only to an item still there.
    if (keep && typed && model_.contains(index)) {
        model_.at(index).title = title;
        SendMessageW(window_, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
    }
    return keep ? TRUE : FALSE;
}

// Typing in the list jumps to the next title that begins with the typed text.
LRESULT Win32ListView::find_for_keyboard(const NMLVFINDITEMW& query) const {
    if (!(query.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !query.lvfi.psz) return -1;
    const bool whole_title = !(query.lvfi.flags & LVFI_PARTIAL);
    const std::wstring_view text = query.lvfi.psz;
    const int found = model_.find(text, query.iStart, whole_title);
    if (found >= 0 || !(query.lvfi.flags & LVFI_WRAP)) return found;
    const int from_top = model_.find(text, 0, whole_title);
    return from_top < query.iStart ? from_top : -1;
}

}  // namespace kistvar::win32
