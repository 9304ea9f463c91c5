// The grid as the player uses it: keys, clicks, its menu and drags between
// cells, on both backends. Two grids stand side by side after an edit box.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/grid_stage.h"

namespace kistvar::test {
namespace {

using ui::GridKey;
using ui::GridPlace;

std::string text(GridPlace at) { return std::to_string(at.tab) + ":" + std::to_string(at.place); }

class GridTest : public ::testing::Test {
protected:
    GridTest() : stage_(make_grid_stage()) {
        watch(left(), "left");
        watch(right(), "right");
        // Items at left 0:3, 0:5, 1:2 and right 0:1.
        left().show_cells(cells({{0, 3}, {0, 5}, {1, 2}}));
        right().show_cells(cells({{0, 1}}));
    }

    GridStage& stage() { return *stage_; }
    ui::StashGrid& left() { return stage_->left(); }
    ui::StashGrid& right() { return stage_->right(); }
    ui::StashGrid& grid(const std::string& name) { return name == "left" ? left() : right(); }

    static ui::GridCells cells(const std::vector<GridPlace>& items) {
        ui::GridCells all{};
        for (GridPlace at : items) {
            ui::GridCell& cell = all[static_cast<std::size_t>(at.tab)][static_cast<std::size_t>(at.place - 1)];
            cell = {true, "Item " + text(at), 1, "Item " + text(at) + "\r\n" + text(at)};
        }
        return all;
    }

    // Every event as "<grid> <event> <cells>"; the drops asked, apart: a real
    // mouse crosses other cells on its way and each asks.
    std::vector<std::string> events;
    std::vector<std::string> asked;
    bool drops_allowed = true;

private:
    void watch(ui::StashGrid& watched, const std::string& name) {
        watched.on_move_across = [this, name](GridPlace at) { events.push_back(name + " across " + text(at)); };
        watched.on_undo = [this, name] { events.push_back(name + " undo"); };
        watched.on_drag_started = [this, name](GridPlace from) { events.push_back(name + " drag " + text(from)); };
        watched.on_drop_allowed = [this, name](const ui::GridDrop& drop) {
            asked.push_back(name + " asked " + drop_text(drop));
            return drops_allowed;
        };
        watched.on_dropped = [this, name](const ui::GridDrop& drop) {
            events.push_back(name + " dropped " + drop_text(drop));
        };
    }
    std::string drop_text(const ui::GridDrop& drop) {
        return std::string(drop.source == &left() ? "left " : "right ") + text(drop.from) + "->" + text(drop.to);
    }

    std::unique_ptr<GridStage> stage_;
};

TEST_F(GridTest, KeysMoveTheFocusInsideTheTabAndTurnTheTabs) {
    struct Row {
        int tab, place;
        GridKey key;
        int want_tab, want_place;
    };
    const Row rows[] = {
        {0, 1, GridKey::right, 0, 2},        {0, 8, GridKey::right, 0, 8},   {0, 1, GridKey::left, 0, 1},
        {0, 1, GridKey::down, 0, 9},         {0, 35, GridKey::down, 0, 35},  {0, 10, GridKey::up, 0, 2},
        {0, 3, GridKey::up, 0, 3},           {0, 12, GridKey::row_start, 0, 9}, {0, 12, GridKey::row_end, 0, 16},
        {0, 20, GridKey::first, 0, 1},       {0, 20, GridKey::last, 0, 40},  {0, 5, GridKey::next_tab, 1, 5},
        {2, 5, GridKey::next_tab, 0, 5},     {0, 5, GridKey::previous_tab, 2, 5},
    };
    left().set_focus();
    for (const Row& row : rows) {
        left().set_shown_tab(row.tab);
        left().set_focused_place(row.place);
        stage().press(row.key);
        EXPECT_EQ(left().shown_tab(), row.want_tab) << row.tab << ":" << row.place << " key " << static_cast<int>(row.key);
        EXPECT_EQ(left().focused_place(), row.want_place) << row.tab << ":" << row.place << " key " << static_cast<int>(row.key);
    }
    EXPECT_TRUE(stage().focused(left()));
    EXPECT_TRUE(events.empty());
}

TEST_F(GridTest, EnterMovesAnItemAcrossAndCtrlZUndoesOnlyWhenOffered) {
    left().set_focus();
    left().set_focused_place(5);
    stage().press(GridKey::enter);
    left().set_focused_place(6);  // empty
    stage().press(GridKey::enter);
    stage().press(GridKey::undo);
    left().set_undo_offered(true);
    stage().press(GridKey::undo);
    EXPECT_EQ(events, (std::vector<std::string>{"left across 0:5", "left undo"}));
}

TEST_F(GridTest, AGridTakingTheFocusStartsAtPlaceOneAndAClickFocusesTheCell) {
    left().set_shown_tab(1);
    left().set_focused_place(17);
    right().set_focused_place(30);
    stage().focus_elsewhere();
    stage().press_tab();
    EXPECT_TRUE(stage().focused(left()));
    EXPECT_EQ(left().focused_place(), 1);
    EXPECT_EQ(left().shown_tab(), 1);
    stage().press_tab();
    EXPECT_TRUE(stage().focused(right()));
    EXPECT_EQ(right().focused_place(), 1);

    stage().click_cell(left(), 23);
    EXPECT_TRUE(stage().focused(left()));
    EXPECT_EQ(left().focused_place(), 23);
    stage().click_tab(right(), 2);
    EXPECT_TRUE(stage().focused(right()));
    EXPECT_EQ(right().shown_tab(), 2);
    EXPECT_TRUE(events.empty());
}

TEST_F(GridTest, TheMenuOffersWhatTheCellAndTheUndoAllow) {
    struct Row {
        int place;
        bool undo_offered;
        int choose;
        bool from_keyboard;
        ShownMenu want_menu;
        std::vector<std::string> want_events;
    };
    const ShownMenuEntry across{"移到另一边", false}, across_greyed{"移到另一边", true};
    const ShownMenuEntry undo{"撤销移动", false}, undo_greyed{"撤销移动", true};
    const Row rows[] = {
        {3, false, 0, false, {across, undo_greyed}, {"left across 0:3"}},
        {4, true, 1, false, {across_greyed, undo}, {"left undo"}},
        {3, false, 1, false, {across, undo_greyed}, {}},  // a greyed entry cannot be chosen
        {3, true, -1, false, {across, undo}, {}},
        {5, false, 0, true, {across, undo_greyed}, {"left across 0:5"}},
    };
    for (const Row& row : rows) {
        events.clear();
        left().set_undo_offered(row.undo_offered);
        std::optional<ShownMenu> menu;
        if (row.from_keyboard) {
            left().set_focus();
            left().set_focused_place(row.place);
            menu = stage().press(GridKey::menu, row.choose);
        } else {
            menu = stage().right_click(left(), row.place, row.choose);
        }
        ASSERT_TRUE(menu) << "place " << row.place;
        EXPECT_EQ(*menu, row.want_menu) << "place " << row.place;
        EXPECT_EQ(events, row.want_events) << "place " << row.place << " choice " << row.choose;
        EXPECT_EQ(left().focused_place(), row.place);
        EXPECT_TRUE(stage().focused(left()));
    }
}

TEST_F(GridTest, ADragAsksTheGridUnderTheMouseAndDropsWhereAllowed) {
    struct Row {
        std::string name;
        std::string from;
        int from_tab, from_place;
        std::string to;
        int to_place;
        bool allowed;
        std::optional<bool> want;
        std::vector<std::string> want_events;
        std::string want_last_asked;
    };
    const Row rows[] = {
        {"across", "left", 0, 3, "right", 9, true, true,
         {"left drag 0:3", "right dropped left 0:3->0:9"}, "right asked left 0:3->0:9"},
        {"refused", "left", 0, 3, "right", 9, false, false, {"left drag 0:3"}, "right asked left 0:3->0:9"},
        {"in one grid", "left", 0, 5, "left", 12, true, true,
         {"left drag 0:5", "left dropped left 0:5->0:12"}, "left asked left 0:5->0:12"},
        {"onto an item", "right", 0, 1, "left", 3, true, true,
         {"right drag 0:1", "left dropped right 0:1->0:3"}, "left asked right 0:1->0:3"},
        // The drag's start turns the other grid to the item's tab before it is asked.
        {"other tab", "left", 1, 2, "right", 4, true, true,
         {"left drag 1:2", "right dropped left 1:2->1:4"}, "right asked left 1:2->1:4"},
        {"from an empty cell", "left", 0, 4, "right", 9, true, std::nullopt, {}, ""},
    };
    left().on_drag_started = [&](GridPlace from) {
        events.push_back("left drag " + text(from));
        right().set_shown_tab(from.tab);
    };
    for (const Row& row : rows) {
        events.clear();
        asked.clear();
        drops_allowed = row.allowed;
        grid(row.from).set_shown_tab(row.from_tab);
        grid(row.to).set_shown_tab(row.to == row.from ? row.from_tab : 0);
        EXPECT_EQ(stage().drag(grid(row.from), row.from_place, grid(row.to), row.to_place), row.want) << row.name;
        EXPECT_EQ(events, row.want_events) << row.name;
        EXPECT_EQ(asked.empty() ? "" : asked.back(), row.want_last_asked) << row.name;
    }
}

TEST_F(GridTest, NothingIsDroppedOnItsOwnCellOrOnADisabledGrid) {
    EXPECT_EQ(stage().drag(left(), 3, left(), 3), false);
    right().set_disabled(true);
    EXPECT_EQ(stage().drag(left(), 3, right(), 9), false);
    EXPECT_EQ(events, (std::vector<std::string>{"left drag 0:3", "left drag 0:3"}));
    for (const std::string& question : asked) EXPECT_EQ(question.rfind("right", 0), std::string::npos) << question;

    // A disabled grid takes no click, no menu and no drag.
    right().set_focused_place(7);
    stage().click_cell(right(), 1);
    EXPECT_EQ(stage().right_click(right(), 1, 0), std::nullopt);
    EXPECT_EQ(stage().drag(right(), 1, left(), 9), std::nullopt);
    EXPECT_FALSE(stage().focused(right()));
    EXPECT_EQ(right().focused_place(), 7);
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(GridTest, ACellTipsItsItemAndTheCellsKeepWhatTheGridShows) {
    EXPECT_EQ(stage().hover_tip(left(), 3), "Item 0:3\r\n0:3");
    EXPECT_EQ(stage().hover_tip(left(), 4), "");
    left().set_shown_tab(1);
    EXPECT_EQ(stage().hover_tip(left(), 2), "Item 1:2\r\n1:2");

    // Highlighting a cell shows its tab; new cells keep the tab, focus and highlight.
    left().set_highlighted(GridPlace{2, 5});
    left().set_focused_place(99);
    left().show_cells(cells({{2, 5}}));
    EXPECT_EQ(left().shown_tab(), 2);
    EXPECT_EQ(left().focused_place(), 40);
    EXPECT_EQ(left().highlighted(), (GridPlace{2, 5}));
    EXPECT_TRUE(left().cell({2, 5}).occupied);
    EXPECT_FALSE(left().cell({0, 3}).occupied);
    EXPECT_FALSE(left().cell({3, 1}).occupied);
    left().set_highlighted(GridPlace{0, 41});
    EXPECT_EQ(left().highlighted(), std::nullopt);
    left().set_shown_tab(-3);
    EXPECT_EQ(left().shown_tab(), 0);
}

}  // namespace
}  // namespace kistvar::test
