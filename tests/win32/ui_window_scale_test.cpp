// The window at another DPI, its Tab order, and a list of thousands of boxes.
#include "ui_window_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "language/language.h"
#include "platform/win32/pictures.h"
#include "platform/win32/wide_text.h"
#include "ui/title_order.h"

namespace kistvar::test {
namespace {

namespace layout = ui::layout;

int text_height(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

int icon_width(HWND list) {
    int width = 0, height = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
                          &width, &height);
    return width;
}

class WindowScale : public RealWindowTest {
protected:
    // As Windows tells a window that has moved to a monitor of this DPI.
    void move_to_monitor_of(int dpi) {
        RECT suggested{40, 30, 40 + 900, 30 + 700};
        SendMessageW(real().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    void TearDown() override {
        move_to_monitor_of(96);  // the next window starts at the layout's DPI, in Chinese
        language::set_current(language::Language::chinese);
    }
};

TEST_F(WindowScale, AMoveToATwiceAsDenseMonitorDoublesEveryPlaceFontAndPicture) {
    HWND frame = real().hwnd();
    HWND list = handle(*w().超级列表框我的箱子);
    HWND status = handle(*w().状态条1);
    const int text_at_96 = text_height(list);
    const int group_text_at_96 = text_height(child_captioned("我的箱子"));

    move_to_monitor_of(192);

    RECT client{};
    GetClientRect(frame, &client);
    EXPECT_EQ(client.right, 1600);
    EXPECT_EQ(client.bottom, 1200);
    RECT at{};
    GetWindowRect(frame, &at);
    EXPECT_EQ(at.left, 40) << "the window goes where Windows suggests";
    const std::pair<std::string_view, ui::Control*> named[] = {
        {"超级按钮更换", w().超级按钮更换.get()}, {"超级按钮说明", w().超级按钮说明.get()},
        {"状态条1", w().状态条1.get()},
    };
    for (const auto& [name, control] : named) {
        SCOPED_TRACE(std::string(name));
        const auto& placement = layout::control(name);
        const RECT area = placed(handle(*control));
        EXPECT_EQ(area.right - area.left, placement.width * 2);
        EXPECT_EQ(area.bottom - area.top, placement.height * 2);
    }
    const RECT list_area = placed(list);
    EXPECT_EQ(list_area.left, 2 * (layout::control("分组框1").x + layout::control("超级列表框我的箱子").x));
    EXPECT_EQ(list_area.right - list_area.left, 720);
    EXPECT_GT(text_height(list), text_at_96 * 3 / 2) << "the font is made for the new DPI";
    EXPECT_GT(text_height(child_captioned("我的箱子")), group_text_at_96 * 3 / 2);
    EXPECT_EQ(icon_width(list), 64) << "pictures drawn at the new size";
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 2 * layout::list_column_width);
    int edges[2] = {};
    SendMessageW(status, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(edges[0], 160);
    EXPECT_EQ(edges[1], 2160);

    move_to_monitor_of(96);
    GetClientRect(frame, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
    EXPECT_EQ(placed(list).right - placed(list).left, 360);
    EXPECT_EQ(text_height(list), text_at_96);
    EXPECT_EQ(icon_width(list), 32);
}

TEST_F(WindowScale, AtOneAndAHalfTimesNothingIsLeftAtItsOldPlace) {
    move_to_monitor_of(144);
    for (const auto& placement : layout::controls()) {
        if (placement.kind != layout::Kind::label && placement.kind != layout::Kind::group_box) continue;
        SCOPED_TRACE(std::string(placement.name));
        HWND child = child_captioned(language::text(placement.caption));
        if (!child) continue;  // captions shared by two labels: the first one found is checked
        const RECT area = placed(child);
        EXPECT_EQ(area.right - area.left, placement.width * 3 / 2);
    }
}

// How wide the text is in the control's own font, on one line.
int text_width(HWND control, std::string_view text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    std::wstring wide = win32::widen(text);
    RECT needed{};
    DrawTextW(dc, wide.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return needed.right;
}

int client_width(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return client.right;
}

// Room a caption leaves beside its text at 96 DPI: a check box's box, a
// drop-down's arrow, a button's edges, a group box's indent.
int room_beside_text(layout::Kind kind) {
    switch (kind) {
        case layout::Kind::check_box: return 20;
        case layout::Kind::combo_box: return 24;
        case layout::Kind::push_button: return 10;
        case layout::Kind::group_box: return 20;
        default: return 0;
    }
}

TEST_F(WindowScale, EveryCaptionFitsItsControlInBothLanguagesAtEveryScale) {
    const auto named_combo_boxes = w().combo_boxes();
    const std::map<std::string_view, ui::ComboBox*> combo_boxes(named_combo_boxes.begin(), named_combo_boxes.end());
    HWND bar = handle(*w().状态条1);
    for (const auto language : {language::Language::english, language::Language::chinese}) {
        language::set_current(language);
        w().show_texts();
        for (int dpi : {96, 144, 192}) {
            move_to_monitor_of(dpi);
            auto expect_fits = [&](HWND control, std::string_view text, int room_at_96, int width) {
                SCOPED_TRACE(std::string(text) + " at " + std::to_string(dpi) + " DPI");
                ASSERT_NE(control, nullptr);
                EXPECT_LE(text_width(control, text) + MulDiv(room_at_96, dpi, 96), width);
            };
            for (const auto& placement : layout::controls()) {
                const int room = room_beside_text(placement.kind);
                if (placement.kind == layout::Kind::combo_box) {
                    HWND combo = handle(*combo_boxes.at(placement.name));
                    for (const auto& item : placement.items)
                        expect_fits(combo, language::text(item.text), room, client_width(combo));
                } else if (placement.caption != language::Text::none && placement.kind != layout::Kind::image_button &&
                           placement.kind != layout::Kind::list_view) {
                    HWND control = child_captioned(language::text(placement.caption));
                    expect_fits(control, language::text(placement.caption), room, client_width(control));
                }
            }
            RECT first_part{};
            SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first_part));
            expect_fits(bar, w().状态条1->status_text(0), 0, first_part.right - first_part.left);
        }
    }
}

TEST_F(WindowScale, TheStatusBarIsPaintedOnItsLightBlueAtEveryDpi) {
    HWND bar = handle(*w().状态条1);
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        move_to_monitor_of(dpi);
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(bar);
        RECT client{};
        GetClientRect(bar, &client);
        // Away from the texts: near the top, in the second part's empty stretch.
        const COLORREF seen = GetPixel(dc, client.right * 3 / 4, 2);
        ReleaseDC(bar, dc);
        EXPECT_EQ(seen, RGB(222, 240, 255));
    }
    EXPECT_EQ(w().状态条1->status_text(0), "当前使用箱子：") << "the texts stay the bar's own";
}

// A face drawn for 200 % fills the square of 96 pixels as the one for 100 %
// fills 48: drawn large, not left small in a corner.
TEST(Pictures, AButtonFaceForTwiceTheDpiCoversTwiceTheSpan) {
    auto painted_span = [](int dpi) {
        HDC screen = GetDC(nullptr);
        HDC canvas = CreateCompatibleDC(screen);
        HBITMAP image = CreateCompatibleBitmap(screen, 100, 100);
        HGDIOBJ old = SelectObject(canvas, image);
        const RECT all{0, 0, 100, 100};
        FillRect(canvas, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        win32::draw_button_picture(canvas, {0, 0}, win32::ButtonPicture::new_box, win32::ButtonLook::normal, dpi);
        int right = 0, bottom = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (GetPixel(canvas, x, y) != RGB(255, 255, 255)) {
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        SelectObject(canvas, old);
        DeleteObject(image);
        DeleteDC(canvas);
        ReleaseDC(nullptr, screen);
        return std::pair{right, bottom};
    };
    const auto [right_at_96, bottom_at_96] = painted_span(96);
    const auto [right_at_192, bottom_at_192] = painted_span(192);
    EXPECT_LT(right_at_96, 48);
    EXPECT_NEAR(right_at_192, 2 * right_at_96, 3);
    EXPECT_NEAR(bottom_at_192, 2 * bottom_at_96, 3);
}

// Tab follows the window's child order: the lists, where the focus starts,
// then the buttons from left to right along the top.
TEST_F(WindowScale, TabGoesFromTheListsAlongTheButtons) {
    const ui::Control* expected[] = {w().超级列表框我的箱子.get(), w().超级列表框保存箱子.get(),
                                     w().超级按钮新建.get(),       w().超级按钮更换.get(),
                                     w().超级按钮另存.get(),       w().超级按钮删除.get(),
                                     w().超级按钮刷新.get(),       w().超级按钮内容.get(),
                                     w().超级按钮说明.get(),       w().超级按钮高级.get()};
    std::vector<HWND> order;
    for (HWND child = GetWindow(real().hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) order.push_back(child);
    ASSERT_GE(order.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(order[i], handle(*expected[i])) << i;
    for (auto* button : {w().超级按钮新建.get(), w().超级按钮更换.get(), w().超级按钮另存.get()})
        button->set_disabled(false);
    EXPECT_EQ(GetNextDlgTabItem(real().hwnd(), handle(*w().超级列表框保存箱子), FALSE),
              handle(*w().超级按钮新建));
}

// Thousands of boxes end in title order, and the control shows every one.
TEST_F(WindowScale, ThreeThousandScrambledTitlesEndSortedAndAllShown) {
    ui::ListView& list = *w().超级列表框保存箱子;
    for (int i = 0; i < 3000; ++i) list.insert_item(-1, "box " + std::to_string((i * 7919) % 3000), 0);
    ASSERT_EQ(list.item_count(), 3000);
    EXPECT_EQ(SendMessageW(handle(list), LVM_GETITEMCOUNT, 0, 0), 3000);
    for (int i = 1; i < 3000; ++i)
        ASSERT_LE(ui::compare_titles(list.get_item_title(i - 1), list.get_item_title(i)), 0) << i;
    EXPECT_EQ(list.get_item_title(0), "box 0");
    EXPECT_EQ(list.get_item_title(2999), "box 999");
}

}  // namespace
}  // namespace kistvar::test
