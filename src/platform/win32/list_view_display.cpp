// How the control shows the model: as an owner-data list it holds only the
// item count and the marks, and asks the model for each title and picture it
// draws and for the item that typed text finds.
//
// Items and marks change in the model first; the control catches up at once
// when anything asks it something, and at the latest when the message loop
// next runs. Each message to the control costs time (much of it under Wine),
// so filling a list of thousands sends almost none.
#include "platform/win32/list_view.h"

#include <utility>

#include "platform/win32/canvas.h"
#include "platform/win32/wide_text.h"

namespace kistvar::win32 {

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

// The control draws each item's picture through a bitmap it makes for the
// target's format; for a window's DC that takes Wine six requests to its
// server, for a DIB section none. So the control paints into a picture of
// ours, and the window gets it in one copy.
void Win32ListView::paint_off_screen() {
    PAINTSTRUCT paint{};
    if (HDC screen = BeginPaint(window_, &paint)) draw_picture(paint.rcPaint, PRF_ERASEBKGND | PRF_CLIENT, screen);
    EndPaint(window_, &paint);
}

// The control works out its item sizes and scroll bars at its first paint; a
// list already on screen then draws its scroll bar again for each change
// (several milliseconds apiece under Wine). A paint of one pixel (the control
// draws only the items it touches) does that work unseen.
void Win32ListView::settle_while_hidden() {
    if (!IsWindowVisible(window_)) draw_picture({0, 0, 1, 1}, PRF_CLIENT, nullptr);
}

void Win32ListView::draw_picture(const RECT& area, UINT parts, HDC screen) {
    RECT client{};
    GetClientRect(window_, &client);
    if (IsRectEmpty(&area) || client.right <= 0 || client.bottom <= 0) return;
    if (!picture_ || picture_size_.cx != client.right || picture_size_.cy != client.bottom) {
        if (picture_) DeleteObject(picture_);
        picture_ = make_canvas(client.right, client.bottom);
        picture_size_ = {client.right, client.bottom};
    }
    HDC canvas = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(canvas, picture_);
    IntersectClipRect(canvas, area.left, area.top, area.right, area.bottom);
    SendMessageW(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas), parts);
    if (screen) {
        // The control's children (the title editor) stay uncovered: their own paint does not follow.
        for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            RECT covered{};
            GetWindowRect(child, &covered);
            MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&covered), 2);
            ExcludeClipRect(screen, covered.left, covered.top, covered.right, covered.bottom);
        }
        BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas, area.left,
               area.top, SRCCOPY);
    }
    SelectObject(canvas, old);
    DeleteDC(canvas);
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

void Win32ListView::fill_display_info(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if (!model_.contains(item.iItem)) return;
    const auto& shown = model_.at(item.iItem);
    if ((item.mask & LVIF_TEXT) && item.pszText) copy_widened(shown.title, item.pszText, item.cchTextMax);
    if (item.mask & LVIF_IMAGE) item.iImage = shown.picture;
}

// Typing in the list jumps to the next title that begins with the typed text.
LRESULT Win32ListView::find_for_keyboard(const NMLVFINDITEMW& query) const {
    if (!(query.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !query.lvfi.psz) return -1;
    const bool whole_title = !(query.lvfi.flags & LVFI_PARTIAL);
    const std::string text = narrow(query.lvfi.psz);
    const int found = model_.find(text, query.iStart, whole_title);
    if (found >= 0 || !(query.lvfi.flags & LVFI_WRAP)) return found;
    const int from_top = model_.find(text, 0, whole_title);
    return from_top < query.iStart ? from_top : -1;
}

}  // namespace kistvar::win32
