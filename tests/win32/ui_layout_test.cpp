// The real window against the layout: frame, geometry of every control,
// colours, fonts and captions.
#include "ui_window_fixture.h"

#include <commctrl.h>

#include <cstdlib>

#include "language/language.h"
#include "platform/win32/wide_text.h"

namespace kistvar::test {
namespace {

namespace layout = ui::layout;

// Where the layout puts a control in the window: its position plus its parents'.
POINT expected_position(const layout::ControlLayout& placement) {
    POINT at{placement.x, placement.y};
    for (std::string_view parent = placement.parent; !parent.empty(); parent = layout::control(parent).parent) {
        at.x += layout::control(parent).x;
        at.y += layout::control(parent).y;
    }
    return at;
}

std::string text_of(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return win32::narrow(text);
}

TEST_F(RealWindowTest, FrameIsFixedWithATitleAnd800By600Client) {
    HWND frame = real().hwnd();
    EXPECT_EQ(text_of(frame), "《火炬之光2》Kistvar  v4.0");
    RECT client{};
    GetClientRect(frame, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
    const auto style = GetWindowLongPtrW(frame, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetMenu(frame), nullptr);
}

TEST_F(RealWindowTest, EveryControlSitsWhereTheLayoutSays) {
    const std::pair<std::string_view, ui::Control*> named[] = {
        {"超级按钮说明", w().超级按钮说明.get()},       {"超级按钮高级", w().超级按钮高级.get()},
        {"超级按钮新建", w().超级按钮新建.get()},       {"超级按钮更换", w().超级按钮更换.get()},
        {"超级按钮另存", w().超级按钮另存.get()},       {"超级按钮删除", w().超级按钮删除.get()},
        {"超级按钮刷新", w().超级按钮刷新.get()},       {"超级按钮内容", w().超级按钮内容.get()},
        {"超级列表框我的箱子", w().超级列表框我的箱子.get()},
        {"超级列表框保存箱子", w().超级列表框保存箱子.get()}, {"编辑框存档路径", w().编辑框存档路径.get()},
        {"按钮选择存档路径", w().按钮选择存档路径.get()}, {"编辑框箱子路径", w().编辑框箱子路径.get()},
        {"按钮选择箱子路径", w().按钮选择箱子路径.get()}, {"组合框1", w().组合框1.get()},
        {"组合框2", w().组合框2.get()},                 {"组合框3", w().组合框3.get()},
        {"组合框4", w().组合框4.get()},                 {"选择框信息", w().选择框信息.get()},
        {"按钮保存", w().按钮保存.get()},               {"按钮取消", w().按钮取消.get()},
        {"状态条1", w().状态条1.get()},
    };
    for (const auto& [name, control] : named) {
        SCOPED_TRACE(std::string(name));
        const auto& placement = layout::control(name);
        const POINT at = expected_position(placement);
        const RECT area = placed(handle(*control));
        EXPECT_EQ(area.left, at.x);
        EXPECT_EQ(area.top, at.y);
        EXPECT_EQ(area.right - area.left, placement.width);
        // A closed drop-down list is as tall as its font needs.
        if (placement.kind == layout::Kind::combo_box)
            EXPECT_NEAR(area.bottom - area.top, placement.height, 2);
        else
            EXPECT_EQ(area.bottom - area.top, placement.height);
    }
}

TEST_F(RealWindowTest, LabelsAndGroupBoxesCarryTheirCaptionsInPlace) {
    for (const auto& placement : layout::controls()) {
        if (placement.kind != layout::Kind::label && placement.kind != layout::Kind::group_box) continue;
        SCOPED_TRACE(std::string(placement.name));
        HWND window = child_captioned(language::text(placement.caption));
        ASSERT_NE(window, nullptr);
        const RECT area = placed(window);
        const POINT at = expected_position(placement);
        EXPECT_EQ(area.left, at.x);
        EXPECT_EQ(area.top, at.y);
        EXPECT_EQ(area.right - area.left, placement.width);
        EXPECT_EQ(area.bottom - area.top, placement.height);
    }
}

TEST_F(RealWindowTest, GroupCaptionsUseA16PixelChineseFont) {
    HWND group = child_captioned("我的箱子");
    ASSERT_NE(group, nullptr);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(group, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(std::abs(font.lfHeight), 16);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
}

// The colour the window gives a control's text (and background) when it paints.
struct Paint {
    COLORREF text;
    COLORREF background;
};
Paint paint_of(HWND frame, HWND control, UINT message) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(frame, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const Paint paint{GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return paint;
}

TEST_F(RealWindowTest, TextsAreColouredAsTheLayoutSays) {
    HWND frame = real().hwnd();
    EXPECT_EQ(paint_of(frame, child_captioned("人物存档文件所在文件夹。Steam版用户请自行更改。"), WM_CTLCOLORSTATIC).text,
              RGB(255, 0, 0));
    EXPECT_EQ(paint_of(frame, child_captioned("默认为存档文件夹里 BOX文件夹。可自由更改。"), WM_CTLCOLORSTATIC).text,
              RGB(255, 0, 0));
    const Paint label = paint_of(frame, child_captioned("存档路径："), WM_CTLCOLORSTATIC);
    EXPECT_EQ(label.text, RGB(0, 96, 192));
    EXPECT_EQ(label.background, RGB(230, 250, 255));
    EXPECT_EQ(paint_of(frame, child_captioned("高级选项"), WM_CTLCOLORSTATIC).text, RGB(0, 96, 192));
    EXPECT_EQ(paint_of(frame, handle(*w().组合框1), WM_CTLCOLOREDIT).text, RGB(0, 96, 192));
    EXPECT_EQ(paint_of(frame, handle(*w().选择框信息), WM_CTLCOLORSTATIC).background, RGB(230, 250, 255));
    EXPECT_EQ(GetClassLongPtrW(frame, GCLP_HBRBACKGROUND) != 0, true);
}

TEST_F(RealWindowTest, ListsAreSingleSelectionReportListsWithOneUntitledColumn) {
    for (ui::ListView* list : {w().超级列表框我的箱子.get(), w().超级列表框保存箱子.get()}) {
        HWND window = handle(*list);
        const auto style = GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
        for (auto bit : {LVS_SINGLESEL, LVS_SHOWSELALWAYS, LVS_EDITLABELS, LVS_NOCOLUMNHEADER})
            EXPECT_TRUE(style & bit);
        EXPECT_EQ(SendMessageW(window, LVM_GETCOLUMNWIDTH, 0, 0), 339);
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(window, LVM_GETBKCOLOR, 0, 0)), RGB(245, 250, 255));
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(window, LVM_GETTEXTCOLOR, 0, 0)), RGB(0, 96, 192));
        auto pictures = reinterpret_cast<HIMAGELIST>(SendMessageW(window, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
        EXPECT_EQ(pictures, reinterpret_cast<HIMAGELIST>(SendMessageW(window, LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
        int width = 0, height = 0;
        ImageList_GetIconSize(pictures, &width, &height);
        EXPECT_EQ(width, 32);
        EXPECT_EQ(height, 32);
        EXPECT_EQ(ImageList_GetImageCount(pictures), 2);
    }
}

TEST_F(RealWindowTest, ViewStyleChangesTheSameWindow) {
    ui::ListView& list = *w().超级列表框我的箱子;
    const HWND before = handle(list);
    list.set_view_style(ui::ListView::large_icons);
    EXPECT_EQ(handle(list), before);
    EXPECT_EQ(GetWindowLongPtrW(before, GWL_STYLE) & LVS_TYPEMASK, LVS_ICON);
    list.set_view_style(ui::ListView::report);
    EXPECT_EQ(GetWindowLongPtrW(before, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
}

TEST_F(RealWindowTest, StatusBarHasPartsOf80And1000Pixels) {
    int edges[4] = {};
    ASSERT_EQ(SendMessageW(handle(*w().状态条1), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 80);
    EXPECT_EQ(edges[1], 1080);
}

// What the first look does not need waits until the window is painted and
// idle: the logic hears of it once, from the program's own message loop.
TEST_F(RealWindowTest, TheShownStepComesOnceTheLoopHasShownTheWindow) {
    int shown = 0;
    w().window->on_shown = [&] {
        ++shown;
        EXPECT_TRUE(IsWindowVisible(real().hwnd()));
        EXPECT_FALSE(GetUpdateRect(handle(*w().超级列表框我的箱子), nullptr, FALSE));  // painted
        PostMessageW(real().hwnd(), WM_CLOSE, 0, 0);
    };
    w().show_and_run();
    EXPECT_EQ(shown, 1);
}

// A screen reader names a button by its window text; the owner draw never paints it.
TEST_F(RealWindowTest, ImageButtonsAreNamedByTheirTipsAndEachHasATip) {
    HWND tips = real().tool_tips();
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 8);
    EXPECT_EQ(text_of(handle(*w().超级按钮新建)), "增加一个我的箱子");
    EXPECT_EQ(GetWindowLongPtrW(handle(*w().超级按钮新建), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    w().超级按钮高级->set_tool_tip_text("返回");
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 8);
    EXPECT_EQ(text_of(handle(*w().超级按钮高级)), "返回");
    w().超级按钮高级->set_tool_tip_text("");
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 7);
    EXPECT_EQ(text_of(handle(*w().超级按钮高级)), "");
    w().超级按钮高级->set_tool_tip_text("高级选项");
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 8);
    EXPECT_EQ(text_of(handle(*w().超级按钮高级)), "高级选项");
}

TEST_F(RealWindowTest, MenusArePopUpsWithTheirSeparatorsAndSubMenus) {
    auto menu_of = [](ui::Menu& menu) { return dynamic_cast<win32::Win32Menu&>(menu).handle(); };
    HMENU selected = menu_of(*w().右键菜单);
    ASSERT_EQ(GetMenuItemCount(selected), 9);
    for (int separator : {1, 3, 5, 7}) EXPECT_TRUE(GetMenuState(selected, separator, MF_BYPOSITION) & MF_SEPARATOR);
    HMENU none = menu_of(*w().无选项右键菜单);
    ASSERT_EQ(GetMenuItemCount(none), 8);
    EXPECT_TRUE(GetMenuState(none, 6, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(none, 0)), 2);  // 查看: 小图标, 大图标
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(none, 1)), 2);  // 排序: 正向排序, 逆向排序
    wchar_t caption[32] = {};
    GetMenuStringW(GetSubMenu(none, 1), 1, caption, 32, MF_BYPOSITION);
    EXPECT_EQ(win32::narrow(caption), "逆向排序");
    GetMenuStringW(none, 7, caption, 32, MF_BYPOSITION);
    EXPECT_EQ(win32::narrow(caption), "打开备份文件夹");
}

TEST_F(RealWindowTest, OnlyTheCurrentPageIsOnScreen) {
    HWND hint = child_captioned("默认为存档文件夹里 BOX文件夹。可自由更改。");
    HWND group = child_captioned("我的箱子");
    EXPECT_FALSE(IsWindowVisible(hint));
    EXPECT_TRUE(IsWindowVisible(group));
    w().选择夹1->set_current_page(1);
    EXPECT_TRUE(IsWindowVisible(hint));
    EXPECT_FALSE(IsWindowVisible(group));
    EXPECT_TRUE(IsWindowVisible(handle(*w().超级按钮说明)));
}

}  // namespace
}  // namespace kistvar::test
