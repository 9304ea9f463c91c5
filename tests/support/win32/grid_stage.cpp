// The real grids in a top-level window of their own, after an edit box, driven
// with the messages the mouse and the keyboard send. Keys pass the dialog
// manager first, as in the program's message loop; the grids' pop-up menu is
// watched and answered as the main window's are.
#include "support/grid_stage.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/controls_scale.h"
#include "platform/win32/stash_grid.h"
#include "platform/win32/wide_text.h"

namespace kistvar::test {

namespace {

using win32::Win32StashGrid;

constexpr wchar_t stage_class[] = L"KistvarGridStage";

Win32StashGrid& real(ui::StashGrid& grid) { return dynamic_cast<Win32StashGrid&>(grid); }
HWND handle(const ui::StashGrid& grid) { return reinterpret_cast<HWND>(grid.window_handle()); }

POINT centre(const RECT& area) { return {(area.left + area.right) / 2, (area.top + area.bottom) / 2}; }
LPARAM point_parameter(POINT point) { return MAKELPARAM(point.x, point.y); }

// The keys a grid key is pressed with.
struct Keystroke {
    WPARAM key;
    bool control = false;
    bool shift = false;
};
Keystroke keystroke_of(ui::GridKey key) {
    switch (key) {
    case ui::GridKey::left: return {VK_LEFT};
    case ui::GridKey::right: return {VK_RIGHT};
    case ui::GridKey::up: return {VK_UP};
    case ui::GridKey::down: return {VK_DOWN};
    case ui::GridKey::row_start: return {VK_HOME};
    case ui::GridKey::row_end: return {VK_END};
    case ui::GridKey::first: return {VK_HOME, true};
    case ui::GridKey::last: return {VK_END, true};
    case ui::GridKey::next_tab: return {VK_TAB, true};
    case ui::GridKey::previous_tab: return {VK_TAB, true, true};
    case ui::GridKey::enter: return {VK_RETURN};
    case ui::GridKey::undo: return {'Z', true};
    case ui::GridKey::menu: return {VK_F10, false, true};
    }
    return {0};
}

class Win32GridStage;
Win32GridStage* active_stage = nullptr;

class Win32GridStage final : public GridStage {
public:
    Win32GridStage() {
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = DefWindowProcW;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        window_class.lpszClassName = stage_class;
        RegisterClassExW(&window_class);  // fails harmlessly the second time
        window_ = CreateWindowExW(WS_EX_CONTROLPARENT, stage_class, L"Kistvar grids",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 20, 20, 100, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        const int gap = win32::scaled(8), line = win32::scaled(24);
        edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                gap, gap, win32::scaled(200), line, window_, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
        left_ = std::make_unique<Win32StashGrid>(window_, 101);
        right_ = std::make_unique<Win32StashGrid>(window_, 102);
        const SIZE grid = left_->natural_size();
        left_->place(gap, 2 * gap + line);
        right_->place(2 * gap + grid.cx + gap, 2 * gap + line);
        RECT frame{0, 0, 3 * gap + 2 * grid.cx + gap, 3 * gap + line + grid.cy};
        AdjustWindowRectEx(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_CONTROLPARENT);
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        menu_hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Win32GridStage::watch_menus, nullptr, GetCurrentThreadId());
        active_stage = this;
        handle_queued_messages();
    }
    ~Win32GridStage() override {
        UnhookWindowsHookEx(menu_hook_);
        if (active_stage == this) active_stage = nullptr;
        left_.reset();
        right_.reset();
        DestroyWindow(window_);
        handle_queued_messages();
    }

    ui::StashGrid& left() override { return *left_; }
    ui::StashGrid& right() override { return *right_; }
    void focus_elsewhere() override {
        SetFocus(edit_);
        handle_queued_messages();
    }
    void press_tab() override { deliver({VK_TAB}); }
    bool focused(const ui::StashGrid& grid) const override { return GetFocus() == handle(grid); }

    std::optional<ShownMenu> press(ui::GridKey key, int choose) override {
        return with_menu(choose, [&] { deliver(keystroke_of(key)); });
    }

    void click_cell(ui::StashGrid& grid, int place) override {
        click(handle(grid), centre(real(grid).cell_rect(place)));
    }
    void click_tab(ui::StashGrid& grid, int tab) override {
        click(handle(grid), centre(real(grid).header_rect(tab)));
    }

    std::optional<ShownMenu> right_click(ui::StashGrid& grid, int place, int choose) override {
        if (grid.disabled()) return std::nullopt;  // Windows gives a disabled window no mouse
        const LPARAM at = point_parameter(centre(real(grid).cell_rect(place)));
        return with_menu(choose, [&] {
            SendMessageW(handle(grid), WM_RBUTTONDOWN, MK_RBUTTON, at);
            SendMessageW(handle(grid), WM_RBUTTONUP, 0, at);
        });
    }

    // The moves go to the grid the button went down on, which holds the
    // mouse, in its own coordinates, wherever the pointer is.
    std::optional<bool> drag(ui::StashGrid& from, int place, ui::StashGrid& to, int to_place) override {
        if (from.disabled()) return std::nullopt;
        HWND source = handle(from);
        const POINT start = centre(real(from).cell_rect(place));
        POINT end = centre(real(to).cell_rect(to_place));
        MapWindowPoints(handle(to), source, &end, 1);
        SendMessageW(source, WM_LBUTTONDOWN, MK_LBUTTON, point_parameter(start));
        // Out of the drag threshold first, still on the cell, then on to the target.
        const POINT away{start.x + win32::scaled(ui::grid_cell_size) / 4, start.y + win32::scaled(ui::grid_cell_size) / 4};
        SendMessageW(source, WM_MOUSEMOVE, MK_LBUTTON, point_parameter(away));
        constexpr int steps = 4;
        for (int step = 1; step <= steps; ++step) {
            const POINT at{away.x + (end.x - away.x) * step / steps, away.y + (end.y - away.y) * step / steps};
            SendMessageW(source, WM_MOUSEMOVE, MK_LBUTTON, point_parameter(at));
        }
        const bool dragging = real(from).model().dragged().has_value();
        const auto hint = real(to).model().drop_hint();
        SendMessageW(source, WM_LBUTTONUP, 0, point_parameter(end));
        handle_queued_messages();
        if (!dragging) return std::nullopt;
        return hint && hint->place == to_place && hint->allowed;
    }

    std::string hover_tip(ui::StashGrid& grid, int place) override {
        NMTTDISPINFOW asked{};
        asked.hdr.hwndFrom = real(grid).tips();
        asked.hdr.idFrom = static_cast<UINT_PTR>(place);
        asked.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(handle(grid), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&asked));
        return asked.lpszText ? win32::narrow(asked.lpszText) : std::string();
    }

private:
    void handle_queued_messages() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            if (IsDialogMessageW(window_, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void click(HWND grid, POINT at) {
        if (!IsWindowEnabled(grid)) return;  // Windows gives a disabled window no mouse
        SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, point_parameter(at));
        SendMessageW(grid, WM_LBUTTONUP, 0, point_parameter(at));
        handle_queued_messages();
    }

    // The key down and up, to the focus, through the dialog manager, with
    // Ctrl and Shift held as the keystroke says.
    void deliver(Keystroke keystroke) {
        BYTE was[256]{}, held[256]{};
        GetKeyboardState(was);
        std::copy(std::begin(was), std::end(was), std::begin(held));
        held[VK_CONTROL] = keystroke.control ? 0x80 : 0;
        held[VK_SHIFT] = keystroke.shift ? 0x80 : 0;
        SetKeyboardState(held);
        const bool system = keystroke.key == VK_F10;
        for (UINT message : {system ? WM_SYSKEYDOWN : WM_KEYDOWN, system ? WM_SYSKEYUP : WM_KEYUP}) {
            MSG key{};
            key.hwnd = GetFocus();
            key.message = message;
            key.wParam = keystroke.key;
            key.lParam = message == WM_KEYDOWN || message == WM_SYSKEYDOWN ? 1 : 0xC0000001;
            if (!IsDialogMessageW(window_, &key)) {
                TranslateMessage(&key);
                DispatchMessageW(&key);
            }
        }
        SetKeyboardState(was);
        handle_queued_messages();
    }

    // Runs `act`; a menu it opens is noted and answered; its command reaches
    // the grid once it has closed.
    template <class Act>
    std::optional<ShownMenu> with_menu(int choose, Act act) {
        choose_ = choose;
        menu_.reset();
        act();
        handle_queued_messages();
        while (chosen_) {
            PostMessageW(chosen_->first, WM_COMMAND, MAKEWPARAM(chosen_->second, 0), 0);
            chosen_.reset();
            handle_queued_messages();
        }
        return std::exchange(menu_, std::nullopt);
    }

    static LRESULT CALLBACK watch_menus(int code, WPARAM wparam, LPARAM lparam) {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lparam);
        if (code == HC_ACTION && active_stage && Win32StashGrid::of(call.hwnd)) {
            Win32GridStage& self = *active_stage;
            if (call.message == WM_INITMENUPOPUP) {
                self.open_menu_ = reinterpret_cast<HMENU>(call.wParam);
                self.menu_owner_ = call.hwnd;
                ShownMenu entries;
                for (int at = 0; at < GetMenuItemCount(self.open_menu_); ++at) {
                    wchar_t text[128] = L"";
                    GetMenuStringW(self.open_menu_, static_cast<UINT>(at), text, 128, MF_BYPOSITION);
                    std::wstring caption = text;
                    caption = caption.substr(0, caption.find(L'\t'));  // the key shown beside it
                    const bool greyed = (GetMenuState(self.open_menu_, static_cast<UINT>(at), MF_BYPOSITION) &
                                         (MF_GRAYED | MF_DISABLED)) != 0;
                    entries.push_back({win32::narrow(caption), greyed});
                }
                self.menu_ = entries;
            } else if (call.message == WM_ENTERIDLE && call.wParam == MSGF_MENU && self.open_menu_) {
                const int count = GetMenuItemCount(self.open_menu_);
                if (self.choose_ >= 0 && self.choose_ < count && self.menu_ && !(*self.menu_)[self.choose_].disabled)
                    self.chosen_.emplace(self.menu_owner_, GetMenuItemID(self.open_menu_, self.choose_));
                self.open_menu_ = nullptr;
                EndMenu();
            }
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    std::unique_ptr<Win32StashGrid> left_, right_;
    HHOOK menu_hook_ = nullptr;
    int choose_ = -1;
    HMENU open_menu_ = nullptr;
    HWND menu_owner_ = nullptr;
    std::optional<ShownMenu> menu_;
    std::optional<std::pair<HWND, UINT>> chosen_;
};

}  // namespace

std::unique_ptr<GridStage> make_grid_stage() { return std::make_unique<Win32GridStage>(); }

}  // namespace kistvar::test
