// The grid's keys, mouse, menu and tips. The tab control keeps its headers'
// clicks; everything on the page is the grid's. A drag holds the mouse
// (capture) from the press until the release, asking the grid under the
// pointer, whichever it is, whether its cell takes the drop.
#include <cstdlib>

#include "platform/win32/controls_base.h"
#include "platform/win32/controls_scale.h"
#include "platform/win32/stash_grid.h"
#include "platform/win32/wide_text.h"
#include "language/language.h"
#include "platform/win32/window_hook.h"

namespace kistvar::win32 {

namespace {

bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

std::optional<ui::GridKey> key_of(WPARAM key, bool control, bool shift) {
    switch (key) {
    case VK_LEFT: return ui::GridKey::left;
    case VK_RIGHT: return ui::GridKey::right;
    case VK_UP: return ui::GridKey::up;
    case VK_DOWN: return ui::GridKey::down;
    case VK_HOME: return control ? ui::GridKey::first : ui::GridKey::row_start;
    case VK_END: return control ? ui::GridKey::last : ui::GridKey::row_end;
    case VK_RETURN: return ui::GridKey::enter;
    // Ctrl+Page Down and Ctrl+Page Up turn tabs too, as in Windows' own tabbed dialogs.
    case VK_TAB:
        if (control) return shift ? ui::GridKey::previous_tab : ui::GridKey::next_tab;
        return std::nullopt;
    case VK_NEXT:
        if (control) return ui::GridKey::next_tab;
        return std::nullopt;
    case VK_PRIOR:
        if (control) return ui::GridKey::previous_tab;
        return std::nullopt;
    case 'Z':
        if (control && !shift) return ui::GridKey::undo;
        return std::nullopt;
    }
    return std::nullopt;
}

POINT point_of(LPARAM lparam) {
    return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

}  // namespace

std::optional<LRESULT> Win32StashGrid::take_input(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_GETDLGCODE:
        return dialog_code(reinterpret_cast<const MSG*>(lparam));
    case WM_KEYDOWN:
        if (press_ && press_->dragging && wparam == VK_ESCAPE) {
            end_drag(false);
            return 0;
        }
        if (const auto key = key_of(wparam, key_down(VK_CONTROL), key_down(VK_SHIFT))) {
            press(*key);
            return 0;
        }
        return std::nullopt;
    case WM_SYSKEYDOWN:
        if (wparam == VK_F10 && key_down(VK_SHIFT)) {
            press(ui::GridKey::menu);
            return 0;
        }
        return std::nullopt;
    case WM_CONTEXTMENU:
        if (lparam == -1) press(ui::GridKey::menu);  // the menu key
        return 0;
    case WM_SETFOCUS: {
        // From another control of the window the grid starts at its first
        // place; coming back from a message box or a menu it stays.
        const auto previous = reinterpret_cast<HWND>(wparam);
        if (previous && previous != window_ && GetAncestor(previous, GA_ROOT) == GetAncestor(window_, GA_ROOT))
            model_.focus_arrived();
        redraw();
        return std::nullopt;
    }
    case WM_KILLFOCUS:
        redraw();
        return std::nullopt;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        TCHITTESTINFO hit{point_of(lparam), 0};
        SetFocus(window_);
        if (SendMessageW(window_, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0) {
            pass_on(window_, message, wparam, lparam);  // the tab control turns the tab
            model_.set_shown_tab(static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0)));
            show_tab_header();
            return 0;
        }
        button_down(point_of(lparam));
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!press_) return std::nullopt;
        mouse_moved(point_of(lparam));
        return 0;
    case WM_LBUTTONUP:
        if (!press_) return std::nullopt;
        button_up();
        return 0;
    case WM_CAPTURECHANGED:
        if (press_ && reinterpret_cast<HWND>(lparam) != window_) end_drag(false);
        return std::nullopt;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
        const int place = place_at(point_of(lparam));
        if (place == 0) return std::nullopt;
        if (message == WM_RBUTTONDOWN) {
            SetFocus(window_);
            set_focused_place(place);
        } else {
            POINT at = point_of(lparam);
            ClientToScreen(window_, &at);
            open_menu(at);
        }
        return 0;
    }
    case WM_COMMAND:
        if (lparam != 0 || (LOWORD(wparam) != move_across_command && LOWORD(wparam) != undo_command))
            return std::nullopt;
        menu_chosen(LOWORD(wparam));
        return 0;
    case WM_NOTIFY:
        return tip_text(*reinterpret_cast<NMHDR*>(lparam));
    }
    return std::nullopt;
}

// Arrows always; Enter and Ctrl+Tab rather than the dialog's default button
// and its next control; Esc while a drag lasts, to end it.
LRESULT Win32StashGrid::dialog_code(const MSG* message) const {
    LRESULT code = DLGC_WANTARROWS;
    if (message && message->message == WM_KEYDOWN) {
        const bool control = key_down(VK_CONTROL);
        if (message->wParam == VK_RETURN || (message->wParam == VK_TAB && control) ||
            (message->wParam == VK_ESCAPE && press_ && press_->dragging))
            code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void Win32StashGrid::press(ui::GridKey key) {
    const ui::GridAction action = model_.press(key);
    show_tab_header();
    const ui::GridPlace at{model_.shown_tab(), model_.focused_place()};
    if (action == ui::GridAction::open_menu) {
        const RECT cell = cell_rect(at.place);
        POINT corner{cell.left + cell_size() / 2, cell.top + cell_size() / 2};
        ClientToScreen(window_, &corner);
        open_menu(corner);
    } else {
        ui::perform(*this, action, at);
    }
}

int Win32StashGrid::place_at(POINT client_point) const {
    const RECT first = cell_rect(1);
    const int size = cell_size();
    if (client_point.x < first.left || client_point.y < first.top) return 0;
    const int column = (client_point.x - first.left) / size, row = (client_point.y - first.top) / size;
    if (column >= ui::grid_columns || row >= ui::grid_rows) return 0;
    return row * ui::grid_columns + column + 1;
}

void Win32StashGrid::button_down(POINT at) {
    const int place = place_at(at);
    if (place == 0) return;
    set_focused_place(place);
    // Only an item can be dragged; the mouse is held until the button comes up.
    if (!model_.focused_cell().occupied) return;
    press_ = Press{at, {model_.shown_tab(), place}};
    SetCapture(window_);
}

void Win32StashGrid::mouse_moved(POINT at) {
    if (!press_->dragging) {
        if (std::abs(at.x - press_->at.x) <= GetSystemMetrics(SM_CXDRAG) / 2 &&
            std::abs(at.y - press_->at.y) <= GetSystemMetrics(SM_CYDRAG) / 2)
            return;
        press_->dragging = true;
        model_.set_dragged(press_->from);
        SendMessageW(tips_, TTM_ACTIVATE, FALSE, 0);
        redraw();
        if (on_drag_started) on_drag_started(press_->from);
        if (!press_) return;  // the event ended the drag
    }
    POINT screen = at;
    ClientToScreen(window_, &screen);
    follow_drag(screen);
}

void Win32StashGrid::follow_drag(POINT screen_point) {
    Win32StashGrid* target = of(WindowFromPoint(screen_point));
    std::optional<ui::GridDrop> drop;
    if (target) {
        POINT at = screen_point;
        ScreenToClient(target->window_, &at);
        if (const int place = target->place_at(at)) drop = ui::GridDrop{this, press_->from, {target->shown_tab(), place}};
    }
    const bool same = target == press_->target && drop.has_value() == press_->drop.has_value() &&
                      (!drop || drop->to == press_->drop->to);
    if (!same) {
        const bool allowed = drop && ui::drop_allowed(*target, *drop);
        if (press_->target && press_->target != target) press_->target->show_drop_hint(std::nullopt);
        press_->target = target;
        press_->drop = drop;
        press_->allowed = allowed;
        if (target) target->show_drop_hint(drop ? std::optional(ui::DropHint{drop->to.place, allowed}) : std::nullopt);
    }
    SetCursor(LoadCursorW(nullptr, press_->allowed ? IDC_ARROW : IDC_NO));
}

void Win32StashGrid::show_drop_hint(std::optional<ui::DropHint> hint) {
    model_.set_drop_hint(hint);
    redraw();
    UpdateWindow(window_);
}

void Win32StashGrid::button_up() { end_drag(true); }

void Win32StashGrid::end_drag(bool drop) {
    const Press done = *press_;
    press_.reset();
    model_.set_dragged(std::nullopt);
    redraw();
    if (done.target) done.target->show_drop_hint(std::nullopt);
    SendMessageW(tips_, TTM_ACTIVATE, TRUE, 0);
    if (GetCapture() == window_) ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (drop && done.dragging && done.allowed && done.target->on_dropped) done.target->on_dropped(*done.drop);
}

void Win32StashGrid::open_menu(POINT screen_point) {
    HMENU menu = CreatePopupMenu();
    for (const ui::GridMenuEntry& entry : model_.menu()) {
        const bool across = entry.action == ui::GridAction::move_across;
        // The keys that do the same, in the column Windows keeps for them.
        const std::wstring caption = widen(language::text(entry.caption)) + (across ? L"\tEnter" : L"\tCtrl+Z");
        AppendMenuW(menu, MF_STRING | (entry.disabled ? MF_GRAYED : 0u), across ? move_across_command : undo_command,
                    caption.c_str());
    }
    // Without its window in the foreground a pop-up menu does not close when
    // the user clicks elsewhere.
    SetForegroundWindow(GetAncestor(window_, GA_ROOT));
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen_point.x, screen_point.y, 0, window_,
                   nullptr);
    DestroyMenu(menu);
}

// The chosen entry's command comes once the menu has closed.
void Win32StashGrid::menu_chosen(UINT command) {
    const ui::GridMenu menu = model_.menu();
    const ui::GridMenuEntry& entry = menu[command == move_across_command ? 0 : 1];
    if (!entry.disabled && IsWindowEnabled(window_))
        ui::perform(*this, entry.action, {model_.shown_tab(), model_.focused_place()});
}

void Win32StashGrid::create_tips() {
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tips_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    // A width makes the tip keep its line breaks.
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, scaled(320));
    for (int place = 1; place <= ui::grid_places; ++place) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = static_cast<UINT_PTR>(place);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Win32StashGrid::place_tips() {
    for (int place = 1; place <= ui::grid_places; ++place) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window_;
        tool.uId = static_cast<UINT_PTR>(place);
        tool.rect = cell_rect(place);
        SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::optional<LRESULT> Win32StashGrid::tip_text(NMHDR& header) {
    if (header.hwndFrom != tips_ || header.code != TTN_GETDISPINFOW) return std::nullopt;
    auto& asked = reinterpret_cast<NMTTDISPINFOW&>(header);
    tip_ = widen(model_.cell({model_.shown_tab(), static_cast<int>(header.idFrom)}).tip);
    asked.lpszText = tip_.data();
    return 0;
}

}  // namespace kistvar::win32
