// Pictures of the window for a person to look at: both pages, both pop-up
// menus and a tool-tip, in Chinese and in English ("-en"); the grids at 100 %
// and 150 %, with a drag, their menu and a tip. Not part of the test run;
// tools/screenshots runs it with KISTVAR_SCREENSHOTS naming the folder for the
// bitmaps, and prints what one repaint of a grid costs.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "language/language.h"
#include "platform/win32/controls_scale.h"
#include "platform/win32/stash_grid.h"
#include "support/driver.h"
#include "support/grid_stage.h"
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

// The whole screen, or a part of it, as a 24-bit BMP file.
void save_screen(const std::string& name, std::optional<RECT> part = std::nullopt) {
    const char* folder = std::getenv("KISTVAR_SCREENSHOTS");
    if (!folder) return;
    const RECT area = part.value_or(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(canvas, image);
    BitBlt(canvas, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
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
    explicit MenuPhotographer(std::string name, std::optional<RECT> part = std::nullopt)
        : name_(std::move(name)), part_(part) {
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
            save_screen(current_->name_, current_->part_);
            EndMenu();
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    static inline MenuPhotographer* current_ = nullptr;
    std::string name_;
    std::optional<RECT> part_;
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

// A box of each kind of item, its names in the language spoken.
ui::GridCells box_cells(bool english, bool other_side) {
    struct Item {
        int tab, place;
        const char* chinese;
        const char* english;
        std::uint32_t level, stack;
    };
    static const Item left_items[] = {
        {0, 1, "远古龙骨巨剑", "Ancient Dragonbone Greatsword", 78, 1},
        {0, 2, "红色再生护符", "Red Amulet of Regeneration", 42, 1},
        {0, 3, "泰坦的余烬之锤", "Ember Hammer of the Titan", 100, 1},
        {0, 4, "猎人之弓", "Hunter's Bow", 12, 1},
        {0, 9, "灵魂收割者头盔", "Soulreaver Helm", 64, 1},
        {0, 10, "霜冻戒指", "Frost Ring", 30, 1},
        {0, 12, "破碎的盾牌", "Broken Shield", 3, 1},
        {0, 17, "迅捷靴子", "Boots of Haste", 55, 1},
        {0, 20, "紫色宝石", "Purple Gem", 1, 1},
        {1, 1, "大型治疗药水", "Greater Health Potion", 1, 87},
        {1, 2, "鉴定卷轴", "Scroll of Identify", 1, 12},
    };
    static const Item right_items[] = {
        {0, 1, "守护者胸甲", "Guardian Breastplate", 70, 1},
        {0, 2, "闪电法杖", "Staff of Lightning", 66, 1},
        {0, 5, "传送卷轴", "Scroll of Town Portal", 1, 20},
        {0, 11, "暗影匕首", "Shadow Dagger", 48, 1},
        {0, 13, "龙鳞护手", "Dragonscale Gauntlets", 81, 1},
    };
    ui::GridCells cells{};
    const char* tabs[] = {"装备", "消耗品", "法术"};
    const char* english_tabs[] = {"Gear", "Consumables", "Spells"};
    for (const Item& item : other_side ? std::vector<Item>(std::begin(right_items), std::end(right_items))
                                       : std::vector<Item>(std::begin(left_items), std::end(left_items))) {
        const std::string name = english ? item.english : item.chinese;
        const std::string tip = name + "\r\n" + (english ? "Level " : "等级 ") + std::to_string(item.level) +
                                (english ? ", stack " : "，数量 ") + std::to_string(item.stack) + "\r\n" +
                                (english ? english_tabs[item.tab] : tabs[item.tab]) + " " + std::to_string(item.place);
        cells[static_cast<std::size_t>(item.tab)][static_cast<std::size_t>(item.place - 1)] = {true, name, item.stack, tip};
    }
    return cells;
}

RECT window_area(const ui::StashGrid& grid) {
    RECT area{};
    GetWindowRect(GetAncestor(reinterpret_cast<HWND>(grid.window_handle()), GA_ROOT), &area);
    return area;
}

// The median time of one full repaint of the grid, in microseconds.
double repaint_microseconds(win32::Win32StashGrid& grid) {
    HWND window = reinterpret_cast<HWND>(grid.window_handle());
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    HDC screen = GetDC(window);
    for (int round = 0; round < 101; ++round) {
        LARGE_INTEGER start{}, end{};
        QueryPerformanceCounter(&start);
        grid.paint_into(screen);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    }
    ReleaseDC(window, screen);
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The two grids: still, dragging over a cell that takes the drop and one
// that does not, with the menu open and with a tip.
void photograph_grids(language::Language speaking, int dpi, const std::string& suffix) {
    language::set_current(speaking);
    win32::set_current_dpi(dpi);
    const bool english = speaking == language::Language::english;
    auto stage = make_grid_stage();
    ui::StashGrid& left = stage->left();
    ui::StashGrid& right = stage->right();
    left.show_cells(box_cells(english, false));
    right.show_cells(box_cells(english, true));
    right.set_highlighted(ui::GridPlace{0, 11});
    right.on_drop_allowed = [](const ui::GridDrop& drop) { return drop.to.place != 13; };
    right.set_undo_offered(true);
    stage->click_cell(left, 2);
    let_the_window_paint(600);
    save_screen("grids" + suffix, window_area(left));

    auto& real_left = dynamic_cast<win32::Win32StashGrid&>(left);
    auto& real_right = dynamic_cast<win32::Win32StashGrid&>(right);
    std::printf("grid repaint at %d dpi: %.0f us (median of 101)\n", dpi, repaint_microseconds(real_left));

    // Held over a free cell, then over a cell that refuses the drop.
    HWND source = reinterpret_cast<HWND>(left.window_handle());
    const RECT from = real_left.cell_rect(2);
    auto over = [&](int place) {
        RECT cell = real_right.cell_rect(place);
        POINT at{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        MapWindowPoints(reinterpret_cast<HWND>(right.window_handle()), source, &at, 1);
        SendMessageW(source, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        return at;
    };
    SendMessageW(source, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.left + 10, from.top + 10));
    SendMessageW(source, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.left + 30, from.top + 30));
    over(12);
    let_the_window_paint(300);
    save_screen("grids-drag" + suffix, window_area(left));
    const POINT refused = over(13);
    let_the_window_paint(300);
    save_screen("grids-drag-refused" + suffix, window_area(left));
    SendMessageW(source, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(source, WM_LBUTTONUP, 0, MAKELPARAM(refused.x, refused.y));
    let_the_window_paint(200);

    if (dpi != win32::layout_dpi) return;
    {
        MenuPhotographer photographer("grids-menu" + suffix, window_area(left));
        stage->right_click(right, 5, -1);
    }
    const RECT tip_cell = real_left.cell_rect(9);
    POINT tip_at{tip_cell.left + 20, tip_cell.top + 20};
    ClientToScreen(source, &tip_at);
    SetCursorPos(tip_at.x - 8, tip_at.y);
    let_the_window_paint(200);
    SetCursorPos(tip_at.x, tip_at.y);
    let_the_window_paint(1500);
    RECT with_tip = window_area(left);
    with_tip.bottom += 60;
    save_screen("grids-tip" + suffix, with_tip);
    SetCursorPos(5, 5);
}

TEST(Screenshots, DISABLED_TheGrids) {
    for (int dpi : {96, 144}) {
        const std::string scale = dpi == 96 ? "" : "-150";
        photograph_grids(language::Language::chinese, dpi, scale);
        photograph_grids(language::Language::english, dpi, "-en" + scale);
    }
    language::set_current(language::Language::chinese);
    win32::set_current_dpi(win32::dpi_of(nullptr));
}

TEST(Screenshots, DISABLED_EveryLookOfTheWindow) {
    photograph_every_look(language::Language::chinese, "");
    photograph_every_look(language::Language::english, "-en");
    language::set_current(language::Language::chinese);
}

}  // namespace
}  // namespace kistvar::test
