// What the control reports to the list (WM_NOTIFY): focus, marks moved,
// activation, the right button, the label edit and the info tips, each
// turned into the logic's event.
#include "platform/win32/list_view.h"

#include "platform/win32/wide_text.h"

namespace kistvar::win32 {

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

void Win32ListView::item_changed(const NMLISTVIEW& change) {
    if (quiet_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
    const bool gains_focus_mark = (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED);
    if (!gains_focus_mark) return;
    if (handling_input_)
        current_item_news_ = true;
    else
        fire(on_current_item_changed);
}

void Win32ListView::cancel_label_edit() {
    // Without an edit box left from an edit there is nothing to ask: a
    // question would bring the control up to the model before it is needed.
    if (!title_editor_ || !IsWindow(title_editor_)) return;
    HWND edit = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETEDITCONTROL, 0, 0));
    if (!edit) return;
    Quietly quietly(quiet_);
    SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
}

LRESULT Win32ListView::finish_label_edit(const NMLVDISPINFOW& info) {
    const int index = info.item.iItem;
    report_current_item();
    if (quiet_ || !model_.contains(index)) return FALSE;
    // No text: cancelled, or confirmed unchanged. Either way the title stays.
    const bool typed = info.item.pszText != nullptr;
    const std::string title = typed ? narrow(info.item.pszText) : model_.at(index).title;
    edited_title_ = title;
    const bool keep = on_label_edit_finished ? on_label_edit_finished(index) : true;
    edited_title_.reset();
    // The procedure may have changed the list; the title goes only to an item still there.
    if (keep && typed && model_.contains(index)) {
        model_.at(index).title = title;
        SendMessageW(window_, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
    }
    return keep ? TRUE : FALSE;
}

void Win32ListView::fill_info_tip(NMLVGETINFOTIPW& tip) const {
    if (!tip.pszText) return;
    // The control may have put the item's own (cut) title in; ours replaces it.
    copy_widened(on_info_tip && model_.contains(tip.iItem) ? on_info_tip(tip.iItem) : std::string(), tip.pszText,
                 tip.cchTextMax);
}

}  // namespace kistvar::win32
