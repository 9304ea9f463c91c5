// The program's one window: a fixed 800 x 600 client area (at 96 DPI, larger
// at higher DPI) holding every control of the layout. Its window procedure routes each control's messages
// to the control object that handles them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/win32/controls_base.h"
#include "platform/win32/controls_menu.h"
#include "platform/win32/controls_pages.h"
#include "ui/main_window.h"

namespace kistvar::win32 {

// The window class of the program's window, by which a second start finds it.
inline constexpr wchar_t main_window_class_name[] = L"KistvarMainWindow";

class Win32Window final : public NativeControl<ui::Window> {
public:
    using NativeControl::NativeControl;
};

class Win32MainWindow final : public ui::MainWindow {
public:
    Win32MainWindow();
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    void show_and_run() override;
    void show_texts() override;
    // One message of the program's loop: the window's keys first, then Tab and
    // the other dialog keys, then the ordinary translation and dispatch.
    void handle_input(MSG& message);

    HWND hwnd() const { return window_; }
    // The buttons' tool-tip control; made when first asked for.
    HWND tool_tips();
    // The name of the pop-up menu with this handle (not a sub-menu's), or "".
    std::string_view menu_name(HMENU menu) const;

private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT colour_control(UINT message, WPARAM wparam, LPARAM lparam);
    ChildWindow* child(HWND window) const;
    void centre();
    // The keys that mean something anywhere in the window; true when taken.
    bool take_window_key(const MSG& message);
    // Clicks a control through the notification the mouse would send.
    void send_click(HWND control) const;
    // After a move to a monitor of another DPI: places, fonts, pictures and icons for it.
    void fit_to_dpi();
    void set_icons();
    SIZE frame_size() const;

    // Building (main_window_build.cpp).
    void create_frame();
    void create_controls();
    void make_options_page();
    void create_decorations(bool of_options_page);
    void create_menus();
    void finish_showing();
    void adopt(ChildWindow& control, const ui::layout::ControlLayout& placement);
    HWND create_control(const ui::layout::ControlLayout& placement, const wchar_t* window_class, DWORD style,
                        DWORD extended_style = 0, int extra_height = 0);
    using MenuItemsByName = std::map<std::string_view, std::unique_ptr<Win32MenuItem>>;
    std::unique_ptr<Win32Menu> build_menu(std::string_view name, MenuItemsByName& items_by_name);

    HWND window_ = nullptr;
    HWND tool_tips_ = nullptr;
    HBRUSH background_ = nullptr;
    HIMAGELIST list_pictures_ = nullptr;
    HICON big_icon_ = nullptr;
    HICON small_icon_ = nullptr;
    Win32Pages* pages_ = nullptr;
    bool ole_started_ = false;
    bool tearing_down_ = false;  // destroyed by the program, not closed by the user
    int next_control_id_ = 100;
    UINT next_command_id_ = 1000;
    std::map<HWND, ChildWindow*> children_;
    std::map<UINT, Win32MenuItem*> menu_commands_;
    std::map<HMENU, std::string_view> menu_names_;
    std::map<std::string_view, HWND> captioned_;  // labels, group boxes, buttons and the check box
    std::vector<std::unique_ptr<ChildWindow>> decorations_;  // labels and group boxes
};

}  // namespace kistvar::win32
