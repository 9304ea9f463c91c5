// The grid under the real mouse: the pointer moved and the button pressed
// through the system's input queue, as a player's hand does, from a cell of
// one grid over a refused cell of the other to an allowed one.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/stash_grid.h"
#include "support/grid_stage.h"

namespace kistvar::test {
namespace {

using win32::Win32StashGrid;

Win32StashGrid& real(ui::StashGrid& grid) { return dynamic_cast<Win32StashGrid&>(grid); }

// Handles what the input left queued until `done` holds (or a generous
// number of rounds has passed: the test then fails on what it checks).
template <class Done>
void handle_input_until(Done done) {
    for (int round = 0; round < 300 && !done(); ++round) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (!done()) Sleep(10);
    }
}

void send_mouse(DWORD flags, POINT screen_point = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = (screen_point.x * 65536 + width - 1) / width;
        input.mi.dy = (screen_point.y * 65536 + height - 1) / height;
    }
    SendInput(1, &input, sizeof input);
}

POINT on_screen(ui::StashGrid& grid, int place) {
    const RECT cell = real(grid).cell_rect(place);
    POINT centre{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(reinterpret_cast<HWND>(grid.window_handle()), &centre);
    return centre;
}

void move_mouse_to(POINT target) {
    send_mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, target);
    handle_input_until([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == target.x && now.y == target.y;
    });
}

TEST(RealGrid, TheMouseDragsAnItemAcrossShowingWhichCellsTakeIt) {
    auto stage = make_grid_stage();
    ui::StashGrid& left = stage->left();
    ui::StashGrid& right = stage->right();
    ui::GridCells cells{};
    cells[0][2] = {true, "Red Amulet of Regeneration", 1, "Red Amulet of Regeneration"};
    left.show_cells(cells);
    right.on_drop_allowed = [](const ui::GridDrop& drop) { return drop.to.place != 10; };
    std::optional<std::string> dropped;
    right.on_dropped = [&](const ui::GridDrop& drop) {
        dropped = std::string(drop.source == &left ? "left " : "? ") + std::to_string(drop.from.place) + "->" +
                  std::to_string(drop.to.place);
    };

    move_mouse_to(on_screen(left, 3));
    send_mouse(MOUSEEVENTF_LEFTDOWN);
    move_mouse_to({on_screen(left, 3).x + 12, on_screen(left, 3).y + 12});
    move_mouse_to(on_screen(right, 10));
    handle_input_until([&] { return real(right).model().drop_hint().has_value(); });
    ASSERT_TRUE(real(right).model().drop_hint());
    EXPECT_EQ(real(right).model().drop_hint()->place, 10);
    EXPECT_FALSE(real(right).model().drop_hint()->allowed);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_NO));
    EXPECT_EQ(real(left).model().dragged(), (ui::GridPlace{0, 3}));

    move_mouse_to(on_screen(right, 9));
    handle_input_until([&] { return real(right).model().drop_hint().value_or(ui::DropHint{}).place == 9; });
    ASSERT_TRUE(real(right).model().drop_hint());
    EXPECT_EQ(real(right).model().drop_hint()->place, 9);
    EXPECT_TRUE(real(right).model().drop_hint()->allowed);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));

    send_mouse(MOUSEEVENTF_LEFTUP);
    handle_input_until([&] { return dropped.has_value(); });
    EXPECT_EQ(dropped, "left 3->9");
    EXPECT_FALSE(real(right).model().drop_hint());
    EXPECT_FALSE(real(left).model().dragged());
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace kistvar::test
