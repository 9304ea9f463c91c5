// Pictures of the window for a person to look at: both pages, both pop-up
// menus and a tool-tip, in Chinese and in English ("-en"). Not part of the test run; tools/screenshots runs it
// with KISTVAR_SCREENSHOTS naming the folder for the bitmaps.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "language/language.h"
#include "support/driver.h"
#include "ui/main_window.h"

namespace kistvar::test {
namespace {

void let_the_window_paint(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < until) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

// The whole screen as a 24-bit BMP file.
void save_screen(const std::string& name) {
    const char* folder = std::getenv("KISTVAR_SCREENSHOTS");
    if (!folder) return;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(canvas, image);
    BitBlt(canvas, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD row = ((width * 3 + 3) / 4) * 4, size = row * height;
    constexpr DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPFILEHEADER file{0x4D42, headers + size, 0, 0, headers};
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
    SelectObject(canvas, old);
    DeleteObject(image);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
}

// Photographs the next pop-up menu while it is open, then closes it.
class MenuPhotographer {
public:
    explicit MenuPhotographer(std::string name) : name_(std::move(name)) {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &MenuPhotographer::watch, nullptr, GetCurrentThreadId());
    }
    ~MenuPhotographer() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }

private:
    static LRESULT CALLBACK watch(int code, WPARAM wparam, LPARAM lparam) {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lparam);
        if (code == HC_ACTION && current_ && call.message == WM_ENTERIDLE && call.wParam == MSGF_MENU &&
            !current_->taken_) {
            current_->taken_ = true;
            Sleep(300);
            save_screen(current_->name_);
            EndMenu();
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    static inline MenuPhotographer* current_ = nullptr;
    std::string name_;
    HHOOK hook_;
    bool taken_ = false;
};

void fill(ui::MainWindow& w) {
    for (const char* title : {"日常仓库", "Runes and gems", "Set items", "备用箱子", "Pets & potions"})
        w.超级列表框我的箱子->insert_item(-1, title, 0);
    w.超级列表框我的箱子->set_item_picture(w.超级列表框我的箱子->find_item("Set items"), 1);
    for (const char* title : {"新手模板", "Empty template"}) w.超级列表框保存箱子->insert_item(-1, title, 0);
    w.状态条1->set_status_text(1, "Set items");
    w.超级按钮更换->set_disabled(true);
}

// Every look in one language; the pictures' names end in `suffix`.
void photograph_every_look(language::Language speaking, const std::string& suffix) {
    language::set_current(speaking);
    auto window = ui::create_main_window();
    auto driver = make_driver(*window);
    ui::MainWindow& w = *window;
    fill(w);
    driver->click_item(*w.超级列表框我的箱子, 0);
    let_the_window_paint(800);
    save_screen("library-page" + suffix);

    auto point_at = [&](ui::Control& control, int dx, int dy) {
        RECT area{};
        GetWindowRect(reinterpret_cast<HWND>(control.window_handle()), &area);
        SetCursorPos(area.left + dx, area.top + dy);
        let_the_window_paint(300);
    };
    point_at(*w.超级列表框我的箱子, 40, 50);
    {
        MenuPhotographer photographer("menu-box-selected" + suffix);
        w.超级列表框我的箱子->on_right_click = [&] { w.右键菜单->popup(); };
        driver->right_click_item(*w.超级列表框我的箱子, 1);
    }
    point_at(*w.超级列表框保存箱子, 100, 200);
    {
        MenuPhotographer photographer("menu-no-selection" + suffix);
        w.超级列表框保存箱子->on_right_click = [&] { w.无选项右键菜单->popup(); };
        driver->right_click_item(*w.超级列表框保存箱子, -1);
    }

    RECT button{};
    GetWindowRect(reinterpret_cast<HWND>(w.超级按钮新建->window_handle()), &button);
    SetCursorPos(button.left + 10, button.top + 10);
    let_the_window_paint(200);
    SetCursorPos(button.left + 24, button.top + 24);
    let_the_window_paint(1500);
    save_screen("tool-tip" + suffix);
    SetCursorPos(5, 5);

    w.超级列表框我的箱子->set_view_style(ui::ListView::large_icons);
    fill(w);
    let_the_window_paint(500);
    save_screen("large-icons" + suffix);

    w.选择夹1->set_current_page(1);
    w.组合框1->set_current_index(0);
    w.组合框2->set_current_index(0);
    w.组合框3->set_current_index(0);
    w.组合框4->set_current_index(0);
    w.编辑框存档路径->set_content("C:\\users\\player\\Documents\\My Games\\Runic Games\\Torchlight 2\\save");
    w.编辑框箱子路径->set_content("C:\\users\\player\\Documents\\My Games\\Runic Games\\Torchlight 2\\save\\box");
    w.组合框5->set_current_index(speaking == language::Language::english ? 1 : 0);
    w.超级按钮高级->set_tool_tip_text(language::text(language::Text::back_tip));
    let_the_window_paint(800);
    save_screen("options-page" + suffix);
}

TEST(Screenshots, DISABLED_EveryLookOfTheWindow) {
    photograph_every_look(language::Language::chinese, "");
    photograph_every_look(language::Language::english, "-en");
    language::set_current(language::Language::chinese);
}

}  // namespace
}  // namespace kistvar::test
