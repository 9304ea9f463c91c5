#include "platform/win32/list_view.h"

#include <algorithm>
#include <utility>

#include "platform/win32/controls_menu.h"
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
    SetWindowSubclass(window_, &Win32ListView::watch_input, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Win32ListView::use_pictures(HIMAGELIST pictures) {
    // One image list serves every view, so the pictures keep their 32 x 32 size.
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(pictures));
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures));
    SendMessageW(window_, LVM_SETCOLUMNWIDTH, 0, scaled(layout::list_column_width));
}

void Win32ListView::context_menu_from_keyboard() {
    const int item = selected_item();
    RECT at{};
    if (item >= 0) {
        SendMessageW(window_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
        at.left = LVIR_LABEL;
        SendMessageW(window_, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&at));
    }
    POINT anchor{at.left, item >= 0 ? (at.top + at.bottom) / 2 : 0};
    ClientToScreen(window_, &anchor);
    popup_next_menu_at(anchor);
    if (!quiet_) fire(on_right_click);
    popup_next_menu_at(std::nullopt);
}

Win32ListView::~Win32ListView() { RemoveWindowSubclass(window_, &Win32ListView::watch_input, 0); }

// Items and marks change in the model first; the control catches up at once
// when anything asks it something, and at the latest when the message loop
// next runs. Each message to the control costs time (much of it under Wine),
// so filling a list of thousands sends almost none.
//
// The title editor is the list's own child: the focus coming back from it
// when an edit ends is no news to the logic.
// A button or key moves the focus mark first and the selection after it; the
// logic hears of the new current item once both have moved, when it can read
// the new selection.
LRESULT CALLBACK Win32ListView::watch_input(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                            DWORD_PTR self) {
    auto& list = *reinterpret_cast<Win32ListView*>(self);
    // Whoever asks the control anything gets the model as it is now.
    list.show_model();
    switch (message) {
    case show_model_message:
        return 0;
    case WM_GETDLGCODE:
        // Enter activates the item, as a double-click does, rather than
        // going to the window as its default button.
        if (lparam && reinterpret_cast<const MSG*>(lparam)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lparam)->wParam == VK_RETURN)
            return DefSubclassProc(window, message, wparam, lparam) | DLGC_WANTALLKEYS;
        break;
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
        // The context-menu key and Shift+F10 ask for the menu here, whatever
        // the system's own window procedure makes of them.
        if ((message == WM_KEYUP && wparam == VK_APPS) ||
            (message == WM_SYSKEYDOWN && wparam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000))) {
            SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        // From the keyboard the position is (-1, -1); the mouse's right button
        // has raised its event already.
        if (lparam == -1) {
            list.context_menu_from_keyboard();
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        list.focus_back_from_editor_ = wparam && reinterpret_cast<HWND>(wparam) == list.title_editor_;
        const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
        list.focus_back_from_editor_ = false;
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN: {
        const bool outermost = !list.handling_input_;
        list.handling_input_ = true;
        const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
        if (outermost) {
            list.handling_input_ = false;
            list.report_current_item();
        }
        return result;
    }
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

void Win32ListView::report_current_item() {
    if (std::exchange(current_item_news_, false)) fire(on_current_item_changed);
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

int Win32ListView::selected_item() const {
    return model_ahead_ ? model_ahead_->selected : shown_selection();
}

int Win32ListView::shown_selection() const {
    // Asking for the selected item walks every item; most of the time there is none.
    if (SendMessageW(window_, LVM_GETSELECTEDCOUNT, 0, 0) == 0) return -1;
    return marked(LVNI_SELECTED);
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

Win32ListView::Marks& Win32ListView::marks_ahead() {
    if (!model_ahead_) {
        model_ahead_ = Marks{shown_selection(), marked(LVNI_FOCUSED)};
        PostMessageW(window_, show_model_message, 0, 0);
    }
    return *model_ahead_;
}

void Win32ListView::show_model() {
    if (!model_ahead_) return;
    const Marks marks = *std::exchange(model_ahead_, std::nullopt);
    Quietly quietly(quiet_);
    set_marks(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(model_.size()), LVSICF_NOSCROLL);
    if (marks.focused >= 0) set_marks(marks.focused, LVIS_FOCUSED, LVIS_FOCUSED);
    if (marks.selected >= 0) set_marks(marks.selected, LVIS_SELECTED, LVIS_SELECTED);
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
    Marks& marks = marks_ahead();
    constexpr int no_picture = 0;  // what the control reports for an item inserted without one
    const int index = model_.insert(position, widen(title), picture < -1 ? no_picture : picture);
    if (marks.selected >= index) ++marks.selected;
    if (marks.focused >= index) ++marks.focused;
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

std::optional<LRESULT> Win32ListView::on_notify(const NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW:
        fill_display_info(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
        return 0;
    case LVN_ODFINDITEMW:
        return find_for_keyboard(reinterpret_cast<const NMLVFINDITEMW&>(header));
    case NM_SETFOCUS:
        if (!quiet_ && !focus_back_from_editor_) fire(on_got_focus);
        return 0;
    case LVN_ITEMCHANGED:
        item_changed(reinterpret_cast<const NMLISTVIEW&>(header));
        return 0;
    case LVN_ITEMACTIVATE:
        report_current_item();
        if (!quiet_) fire(on_item_double_clicked);
        return 0;
    case NM_RCLICK:
        report_current_item();
        if (!quiet_) fire(on_right_click);
        return 0;
    case LVN_BEGINLABELEDITW:
        title_editor_ = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETEDITCONTROL, 0, 0));
        return FALSE;  // nothing refuses an edit
    case LVN_ENDLABELEDITW:
        return finish_label_edit(reinterpret_cast<const NMLVDISPINFOW&>(header));
    case LVN_GETINFOTIPW:
        fill_info_tip(*reinterpret_cast<NMLVGETINFOTIPW*>(const_cast<NMHDR*>(&header)));
        return 0;
    default:
        return std::nullopt;
    }
}

void Win32ListView::fill_info_tip(NMLVGETINFOTIPW& tip) const {
    if (!tip.pszText || tip.cchTextMax <= 0) return;
    const std::wstring text =
        on_info_tip && model_.contains(tip.iItem) ? win32::widen(on_info_tip(tip.iItem)) : std::wstring();
    // The control may have put the item's own (cut) title in; ours replaces it.
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
    text.copy(tip.pszText, length);
    tip.pszText[length] = L'\0';
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
    if (!gains_focus_mark) return;
    if (handling_input_)
        current_item_news_ = true;
    else
        fire(on_current_item_changed);
}

LRESULT Win32ListView::finish_label_edit(const NMLVDISPINFOW& info) {
    const int index = info.item.iItem;
    report_current_item();
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
