// The keys of the window, pressed where the player's keyboard focus is and
// handled by the program's own message loop step: each runs what the mouse
// runs for the same thing, under the same rules.
#include <windows.h>
#include <commctrl.h>

#include "e2e/e2e_fixture.h"
#include "platform/dialogs.h"
#include "platform/win32/contents_window.h"
#include "platform/win32/main_window.h"
#include "platform/win32/stash_grid.h"
#include "stash/stash_reader.h"
#include "support/stash_writer.h"

namespace kistvar::test {
namespace {

class Keyboard : public SmallLibrary {
protected:
    static HWND handle(const ui::Control& control) { return reinterpret_cast<HWND>(control.window_handle()); }

    // A key goes down and up in the window that has the focus, as the
    // keyboard delivers it, and the program's loop handles what follows.
    void press(WPARAM key) {
        HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr);
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        run_loop();
    }
    void type(std::string_view text) {
        for (char c : text) PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
        run_loop();
    }
};

TEST_F(Keyboard, EnterSwapsTheSelectedBoxOnceFromEitherList) {
    select(mine(), "T");
    press(VK_RETURN);
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u) << "one swap, one message";
    EXPECT_EQ(messages[0].text, "置换箱子  T  成功！  ^_^");
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");

    select(saved(), "S");
    press(VK_RETURN);
    messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "置换箱子  S  成功！  ^_^");
    EXPECT_EQ(box_on_disk(stash()), "template S");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
}

TEST_F(Keyboard, EnterOnTheBoxInUseDoesWhatADoubleClickDoesNothing) {
    select(mine(), "M");
    press(VK_RETURN);
    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(box_on_disk(stash()), "content of M");
}

TEST_F(Keyboard, DeleteAsksAndDeletesButNeverTheBoxInUse) {
    select(mine(), "M");
    press(VK_DELETE);
    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "T"}));

    select(saved(), "S");
    driver->answer_message_box(result_ok);
    press(VK_DELETE);
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "将删除箱子  S ，是否确认删除？");
    EXPECT_FALSE(exists_on_disk(saved_box("S")));
    EXPECT_TRUE(titles(saved()).empty());
}

TEST_F(Keyboard, F2ThenTypingThenEnterRenamesTheBox) {
    select(mine(), "T");
    press(VK_F2);
    HWND editor = reinterpret_cast<HWND>(SendMessageW(handle(mine()), LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(editor, nullptr) << "F2 starts the title edit";
    ASSERT_EQ(GetFocus(), editor);
    SendMessageW(editor, EM_SETSEL, 0, -1);
    type("Treasure");
    press(VK_RETURN);
    EXPECT_EQ(SendMessageW(handle(mine()), LVM_GETEDITCONTROL, 0, 0), 0);
    EXPECT_EQ(box_on_disk(my_box("Treasure")), "content of T");
    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "Treasure"}));
    EXPECT_TRUE(shown_messages().empty()) << "Enter ended the edit and swapped nothing";
}

TEST_F(Keyboard, F5ShowsBoxesAddedOnDiskMeanwhile) {
    put_my_box("U", "content of U");
    put_saved_box("R", "template R");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "T"}));
    press(VK_F5);
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "T", "U"}));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"R", "S"}));
}

TEST_F(Keyboard, F1OpensTheReadmeFromAnywhereInTheWindow) {
    SetFocus(handle(*w().超级按钮更换));
    press(VK_F1);
    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, ShownDialog::Kind::shell_open);
    EXPECT_EQ(dialogs[0].text, readme_path);
}

TEST_F(Keyboard, TheContextMenuKeyOpensTheListsMenuAsARightClickDoes) {
    // The box in use: the right-click procedure greys swap and delete first.
    select(mine(), "M");
    driver->answer_popup_menu(nullptr);
    press(VK_APPS);
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_TRUE(w().删除->disabled());
    EXPECT_TRUE(w().超级按钮删除->disabled());

    select(saved(), "S");
    driver->answer_popup_menu(w().更换.get());
    press(VK_APPS);
    driver->focus(saved());  // the driver's step after an action delivers the item the menu chose
    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].kind, ShownDialog::Kind::popup_menu);
    EXPECT_EQ(dialogs[0].text, "右键菜单");
    EXPECT_EQ(box_on_disk(stash()), "template S") << "the chosen item ran";
}

TEST_F(Keyboard, SpaceAndEnterClickAFocusedImageButton) {
    select(mine(), "T");
    SetFocus(handle(*w().超级按钮更换));
    press(VK_RETURN);
    ASSERT_EQ(shown_messages().size(), 1u);
    EXPECT_EQ(box_on_disk(stash()), "content of T");

    SetFocus(handle(*w().超级按钮新建));
    press(VK_SPACE);
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "新建我的箱子成功！  ^_^");
}

// The contents window opens from its button, Alt+Enter, Ctrl+F (with the
// focus in its search box) and the box menu's last item; there is only ever
// one, and Esc closes it.
TEST_F(Keyboard, TheContentsWindowOpensFromItsButtonTheKeysAndTheMenu) {
    auto& contents = dynamic_cast<win32::Win32ContentsWindow&>(*w().箱子内容);
    auto owned_windows = [&] {
        int count = 0;
        const auto count_one = [](HWND window, LPARAM counted) -> BOOL {
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (std::wstring_view(name) == L"KistvarContentsWindow") ++*reinterpret_cast<int*>(counted);
            return TRUE;
        };
        EnumThreadWindows(GetCurrentThreadId(), count_one, reinterpret_cast<LPARAM>(&count));
        return count;
    };
    auto escape = [&] {
        SetFocus(contents.search_box());
        press(VK_ESCAPE);
        EXPECT_FALSE(contents.is_open());
    };
    EXPECT_EQ(w().超级按钮内容->tool_tip_text(), "查看箱子内容，查找物品");

    select(saved(), "S");
    driver->click(*w().超级按钮内容);
    ASSERT_TRUE(contents.is_open());
    EXPECT_EQ(GetWindow(contents.hwnd(), GW_OWNER), reinterpret_cast<HWND>(w().window->window_handle()));
    EXPECT_EQ(contents.summary(), "S：1 件物品（装备 1，消耗品 0，法术 0）");
    driver->click(*w().超级按钮内容);
    EXPECT_EQ(owned_windows(), 1);
    escape();

    select(mine(), "T");
    PostMessageW(GetFocus(), WM_SYSKEYDOWN, VK_RETURN, 1 | (1 << 29));  // Alt+Enter
    run_loop();
    ASSERT_TRUE(contents.is_open());
    EXPECT_EQ(contents.summary(), "T：1 件物品（装备 1，消耗品 0，法术 0）");
    escape();

    select(mine(), "T");
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    press('F');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    ASSERT_TRUE(contents.is_open());
    EXPECT_EQ(GetFocus(), contents.search_box());
    escape();

    select(saved(), "S");
    driver->answer_popup_menu(w().查看内容.get());
    press(VK_APPS);
    driver->focus(saved());  // the driver's step after an action delivers the item the menu chose
    EXPECT_TRUE(contents.is_open());
    EXPECT_EQ(contents.summary(), "S：1 件物品（装备 1，消耗品 0，法术 0）");
    EXPECT_EQ(contents.columns(), (std::vector<std::string>{"物品", "数量", "等级", "位置"}));
}

// Typing in the search box finds across the boxes in steps of the loop;
// double-clicking a find selects its box in its list and shows it.
TEST_F(Keyboard, TheContentsWindowFindsWhatIsTypedAndGoesToItsBox) {
    write_on_disk(stash(), stash_file({stash_item("Ring of the Ember", 24, 1, 45), stash_item("Mana Potion", 25, 4, 1, 20)}));
    write_on_disk(my_box("T"), stash_file({stash_item("Ring of Fire", 24, 12, 30), stash_item("Rusty Sword", 24, 3, 2),
                                            stash_item("Health Potion", 25, 2, 1, 5), stash_item("Frost Nova", 26, 1, 10)}));
    auto& contents = dynamic_cast<win32::Win32ContentsWindow&>(*w().箱子内容);
    select(mine(), "T");
    driver->click(*w().超级按钮内容);
    ASSERT_TRUE(contents.is_open());
    EXPECT_EQ(contents.summary(), "T：4 件物品（装备 2，消耗品 1，法术 1）");
    EXPECT_EQ(ListView_GetItemCount(contents.list()), 4);
    RedrawWindow(contents.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    run_loop();
    save_screenshot("contents-empty");

    SetFocus(contents.search_box());
    type("RING");
    // The steps run from the loop's timer: wait for messages until the search is done.
    auto& real = dynamic_cast<win32::Win32MainWindow&>(w());
    for (MSG message{}; contents.summary().find("正在读取") != std::string::npos && GetMessageW(&message, nullptr, 0, 0) > 0;)
        real.handle_input(message);
    EXPECT_EQ(contents.summary(), "2 件物品，在 2 个箱子里");
    ASSERT_EQ(ListView_GetItemCount(contents.list()), 2);
    RedrawWindow(contents.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    run_loop();  // Wine puts what was drawn on the screen as the loop runs
    save_screenshot("contents-search");

    // By the box column, turned round: T's find first.
    NMLISTVIEW click{};
    click.hdr = {contents.list(), 0, static_cast<UINT>(LVN_COLUMNCLICK)};
    SendMessageW(contents.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    SendMessageW(contents.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    ASSERT_EQ(contents.shown_rows().front().front(), "T");
    // A real double-click on the second row: M's find.
    RECT row{LVIR_BOUNDS};
    SendMessageW(contents.list(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2);
    SetFocus(contents.list());
    SendMessageW(contents.list(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(contents.list(), WM_LBUTTONUP, 0, at);
    SendMessageW(contents.list(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(contents.list(), WM_LBUTTONUP, 0, at);
    run_loop();
    EXPECT_EQ(mine().selected_item(), index_of(mine(), "M"));
    EXPECT_EQ(GetFocus(), handle(mine()));
    EXPECT_EQ(contents.summary(), "M：2 件物品（装备 1，消耗品 1，法术 0）");

    // A box too large to read at once: the loop's steps read it while the
    // summary says so, and its thousands of rows are one count to the list.
    std::vector<StashItem> swords;
    for (int n = 0; n < 5000; ++n) swords.push_back(stash_item("Big sword " + std::to_string(n)));
    write_on_disk(saved_box("big"), stash_file(swords));
    driver->click(*w().超级按钮刷新);
    driver->focus(saved());
    // Selected without running the loop, whose step would read the box as
    // soon as the timer's moment has come.
    saved().set_selected_item(index_of(saved(), "big"));
    EXPECT_EQ(contents.summary(), "big：读取中…");
    for (MSG message{}; contents.summary() == "big：读取中…" && GetMessageW(&message, nullptr, 0, 0) > 0;)
        real.handle_input(message);
    EXPECT_EQ(contents.summary(), "big：5000 件物品（装备 5000，消耗品 0，法术 0）");
    EXPECT_EQ(ListView_GetItemCount(contents.list()), 5000);
    // A letter typed in the list goes to the next row that begins with it.
    SetFocus(contents.list());
    type("b");
    EXPECT_EQ(ListView_GetNextItem(contents.list(), -1, LVNI_SELECTED), 0);
}

// An item dragged from the left grid onto the right with the real mouse
// messages, another sent across with Enter, the keyboard's way through the
// window (search box, left grid, drop-down, right grid, list), and both
// moves taken back with Ctrl+Z. Both files are read back after each.
TEST_F(Keyboard, TheContentsWindowMovesItemsByDragAndByEnter) {
    write_on_disk(stash(), stash_file({stash_item("Ring of the Ember", 24, 1, 45), stash_item("Mana Potion", 25, 4, 1, 20)}));
    write_on_disk(my_box("T"), stash_file({stash_item("Ring of Fire", 24, 12, 30), stash_item("Rusty Sword", 24, 3, 2),
                                            stash_item("Health Potion", 25, 2, 1, 5)}));
    auto& contents = dynamic_cast<win32::Win32ContentsWindow&>(*w().箱子内容);
    select(mine(), "T");
    driver->click(*w().超级按钮内容);
    ASSERT_TRUE(contents.is_open());
    auto& left = dynamic_cast<win32::Win32StashGrid&>(*contents.grid(ui::GridSide::left));
    auto& right = dynamic_cast<win32::Win32StashGrid&>(*contents.grid(ui::GridSide::right));
    EXPECT_EQ(contents.chosen_box(), index_of(mine(), "M")) << "the right grid starts on the box in use";
    // Gear items of a file as read now, "name place".
    const auto gear = [](const std::string& file) {
        std::vector<std::string> items;
        for (const stash::Item& item : stash::read_stash(read_on_disk(file)).items)
            if (item.tab == stash::Tab::gear) items.push_back(item.name + " " + std::to_string(item.place));
        return items;
    };
    using Strings = std::vector<std::string>;

    // The mouse goes down on T's place 12, leaves the cell and comes up over M's place 5.
    const auto centre = [](const RECT& area) { return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2}; };
    const POINT start = centre(left.cell_rect(12));
    POINT end = centre(right.cell_rect(5));
    MapWindowPoints(right.hwnd(), left.hwnd(), &end, 1);  // the left grid holds the mouse
    SendMessageW(left.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    for (int step = 1; step <= 4; ++step)
        SendMessageW(left.hwnd(), WM_MOUSEMOVE, MK_LBUTTON,
                     MAKELPARAM(start.x + (end.x - start.x) * step / 4, start.y + (end.y - start.y) * step / 4));
    SendMessageW(left.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    run_loop();
    EXPECT_EQ(gear(my_box("T")), (Strings{"Rusty Sword 3"}));
    EXPECT_EQ(gear(stash()), (Strings{"Ring of the Ember 1", "Ring of Fire 5"}));
    EXPECT_EQ(contents.summary(), "Ring of Fire 已从 T（装备 12）移到 M（装备 5）");
    EXPECT_TRUE(right.cell({0, 5}).occupied && !left.cell({0, 12}).occupied) << "both grids read back";

    // Tab from the search box to the left grid, at place 1; two steps right, and Enter.
    SetFocus(contents.search_box());
    press(VK_TAB);
    ASSERT_EQ(GetFocus(), left.hwnd());
    EXPECT_EQ(left.focused_place(), 1);
    press(VK_RIGHT);
    press(VK_RIGHT);
    press(VK_RETURN);
    EXPECT_EQ(gear(my_box("T")), Strings{});
    EXPECT_EQ(gear(stash()), (Strings{"Ring of the Ember 1", "Ring of Fire 5", "Rusty Sword 2"})) << "the first free place";
    RedrawWindow(contents.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    run_loop();
    save_screenshot("contents-grids");

    press(VK_TAB);
    EXPECT_EQ(GetFocus(), contents.box_choice());
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), right.hwnd());
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), contents.list());

    // Ctrl+Z, twice: the keyboard's move, then the drag, taken back.
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    press('Z');
    EXPECT_EQ(gear(my_box("T")), (Strings{"Rusty Sword 3"}));
    press('Z');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(gear(my_box("T")), (Strings{"Ring of Fire 12", "Rusty Sword 3"}));
    EXPECT_EQ(gear(stash()), (Strings{"Ring of the Ember 1"}));
    EXPECT_EQ(contents.summary(), "已撤销移动：Ring of Fire 回到 T（装备 12）");
}

}  // namespace
}  // namespace kistvar::test
