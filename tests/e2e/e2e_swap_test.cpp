// The swap on the real window, from each of its starts, for each kind of box
// in the slot and each kind of box chosen; judged by what every file holds.
#include <windows.h>

#include <string>

#include "e2e/e2e_fixture.h"
#include "platform/dialogs.h"
#include "platform/win32/wide_text.h"

namespace kistvar::test {
namespace {

enum class Way { button, menu, double_click };

struct SwapCase {
    const char* name;
    const char* marker;  // the box in the slot before: a title, or the saved-box state
    bool chosen_is_my_box;
    Way way;
};

constexpr const char* other_box = "别的箱子";

void PrintTo(const SwapCase& c, std::ostream* out) { *out << c.name; }

class SwapEveryWay : public EndToEnd, public ::testing::WithParamInterface<SwapCase> {
protected:
    bool slot_holds_my_box() const { return std::string(GetParam().marker) != other_box; }

    void SetUp() override {
        EndToEnd::SetUp();
        put_stash(slot_holds_my_box() ? "content of M" : "copy of a template");
        put_my_box("T", "content of T");
        put_my_box("U", "content of U");
        put_saved_box("S", "template S");
        write_settings(GetParam().marker);
        start();
    }

    void swap_with(ui::ListView& list, std::string_view title) {
        switch (GetParam().way) {
            case Way::button:
                select(list, title);
                driver->click(*w().超级按钮更换);
                break;
            case Way::menu:
                driver->answer_popup_menu(w().更换.get());
                driver->right_click_item(list, index_of(list, title));
                break;
            case Way::double_click:
                driver->double_click_item(list, index_of(list, title));
                break;
        }
    }
};

TEST_P(SwapEveryWay, PutsTheChosenBoxInTheSlotAndKeepsEveryOtherBox) {
    const bool my = GetParam().chosen_is_my_box;
    const std::string chosen = my ? "T" : "S";
    swap_with(my ? mine() : saved(), chosen);

    auto dialogs = shown();
    if (GetParam().way == Way::menu) {
        ASSERT_FALSE(dialogs.empty());
        EXPECT_EQ(dialogs.front().kind, ShownDialog::Kind::popup_menu);
        EXPECT_EQ(dialogs.front().text, "右键菜单");
        dialogs.erase(dialogs.begin());
    }
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text, "置换箱子  " + chosen + "  成功！  ^_^");
    EXPECT_EQ(dialogs[0].caption, "提示信息");
    EXPECT_EQ(style_of(dialogs[0]), 64);

    // The box that was in the slot: a my box goes home with its content.
    if (slot_holds_my_box()) {
        EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    } else {
        EXPECT_FALSE(exists_on_disk(my_box(other_box)));
    }
    EXPECT_EQ(box_on_disk(my_box("U")), "content of U");
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");

    Items expected_mine;
    if (slot_holds_my_box()) expected_mine.push_back({"M", 0});
    if (my) {
        EXPECT_EQ(box_on_disk(stash()), "content of T");
        EXPECT_FALSE(exists_on_disk(my_box("T"))) << "a my box in use lives only in the slot";
        expected_mine.push_back({"T", 1});
        EXPECT_EQ(status(), "我的箱子  T");
        EXPECT_EQ(stored("状态", "正在使用"), "T");
    } else {
        EXPECT_EQ(box_on_disk(stash()), "template S");
        EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
        expected_mine.push_back({"T", 0});
        EXPECT_EQ(status(), "别的箱子  S");
        EXPECT_EQ(stored("状态", "正在使用"), other_box);
    }
    expected_mine.push_back({"U", 0});
    EXPECT_EQ(items(mine()), expected_mine);
    EXPECT_EQ(items(saved()), (Items{{"S", 0}}));
}

INSTANTIATE_TEST_SUITE_P(
    , SwapEveryWay,
    ::testing::Values(SwapCase{"MyForMyByButton", "M", true, Way::button},
                      SwapCase{"MyForMyByMenu", "M", true, Way::menu},
                      SwapCase{"MyForMyByDoubleClick", "M", true, Way::double_click},
                      SwapCase{"SavedForMyByButton", "M", false, Way::button},
                      SwapCase{"SavedForMyByMenu", "M", false, Way::menu},
                      SwapCase{"SavedForMyByDoubleClick", "M", false, Way::double_click},
                      SwapCase{"MyForSavedByButton", other_box, true, Way::button},
                      SwapCase{"MyForSavedByMenu", other_box, true, Way::menu},
                      SwapCase{"MyForSavedByDoubleClick", other_box, true, Way::double_click},
                      SwapCase{"SavedForSavedByButton", other_box, false, Way::button},
                      SwapCase{"SavedForSavedByMenu", other_box, false, Way::menu},
                      SwapCase{"SavedForSavedByDoubleClick", other_box, false, Way::double_click}),
    [](const ::testing::TestParamInfo<SwapCase>& info) { return std::string(info.param.name); });

// --- The box in use cannot be swapped in again ------------------------------------

// --- While the game runs ------------------------------------------------------

// A real process named as the game (in other letter case): our stand-in,
// built beside the tests, copied under that name.
class SwapWhileTheGameRuns : public SmallLibrary {
protected:
    void SetUp() override {
        SmallLibrary::SetUp();
        const std::wstring stand_in = win32::widen(kistvar::program_folder()) + L"\\game_stand_in.exe";
        const std::wstring game = win32::widen(temp / "TORCHLIGHT2.exe");
        ASSERT_TRUE(CopyFileW(stand_in.c_str(), game.c_str(), FALSE)) << "game_stand_in.exe is built beside the tests";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + game + L"\"";
        ASSERT_TRUE(CreateProcessW(game.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                   nullptr, &startup, &game_));
    }
    void TearDown() override {
        quit_game();
        SmallLibrary::TearDown();
    }
    void quit_game() {
        if (game_.hProcess == nullptr) return;
        TerminateProcess(game_.hProcess, 0);
        WaitForSingleObject(game_.hProcess, 10000);
        CloseHandle(game_.hThread);
        CloseHandle(game_.hProcess);
        game_ = {};
    }
    PROCESS_INFORMATION game_{};
};

TEST_F(SwapWhileTheGameRuns, TheSwapAsksFirstCancelChangesNothingAndOkSwaps) {
    select(mine(), "T");
    driver->answer_message_box(result_cancel);
    driver->click(*w().超级按钮更换);

    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "《火炬之光2》正在运行。载入人物后，游戏存档时会用它内存里的仓库覆盖存档槽，刚换入的箱子会丢失。"
              "\r\n请先退出游戏，或回到标题画面再更换。\r\n仍要更换吗？");
    EXPECT_EQ(messages[0].caption, "游戏正在运行");
    EXPECT_EQ(messages[0].style & ~task_modal, 0x131);  // OK/Cancel, warning, Cancel the default
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_FALSE(exists_on_disk(box_folder + "\\备份"));

    driver->answer_message_box(result_ok);
    driver->click(*w().超级按钮更换);
    messages = shown_messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "置换箱子  T  成功！  ^_^");
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_TRUE(exists_on_disk(box_folder + "\\备份"));  // T's backup, should the game overwrite it

    quit_game();
    select(mine(), "M");
    driver->click(*w().超级按钮更换);
    messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "置换箱子  M  成功！  ^_^");
}

class SwapOfTheBoxInUse : public SmallLibrary {
protected:
    void expect_nothing_moved() {
        EXPECT_EQ(box_on_disk(stash()), "content of M");
        EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
        EXPECT_FALSE(exists_on_disk(my_box("M")));
        EXPECT_EQ(items(mine()), (Items{{"M", 1}, {"T", 0}}));
        EXPECT_EQ(status(), "M");
    }
};

TEST_F(SwapOfTheBoxInUse, DoubleClickDoesNothing) {
    driver->double_click_item(mine(), index_of(mine(), "M"));
    EXPECT_TRUE(shown_messages().empty());
    expect_nothing_moved();
}

TEST_F(SwapOfTheBoxInUse, ItsSelectionDisablesTheSwapButtonAndAnotherBoxEnablesIt) {
    select(mine(), "M");
    EXPECT_TRUE(w().超级按钮更换->disabled());
    driver->click(*w().超级按钮更换);
    EXPECT_TRUE(shown_messages().empty());
    expect_nothing_moved();

    select(mine(), "T");
    EXPECT_FALSE(w().超级按钮更换->disabled());
}

TEST_F(SwapOfTheBoxInUse, ASavedBoxPickedAfterItCanBeSwappedAndDeletedWithTheButtons) {
    select(mine(), "M");
    EXPECT_TRUE(w().超级按钮删除->disabled());
    select(saved(), "S");
    EXPECT_FALSE(w().超级按钮更换->disabled());
    EXPECT_FALSE(w().超级按钮删除->disabled());

    driver->answer_message_box(result_cancel);
    driver->click(*w().超级按钮删除);
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "将删除箱子  S ，是否确认删除？");
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
}

TEST_F(SwapOfTheBoxInUse, ItsMenuOffersNeitherSwapNorDelete) {
    driver->answer_popup_menu(w().更换.get());
    driver->right_click_item(mine(), index_of(mine(), "M"));
    EXPECT_TRUE(w().更换->disabled());
    EXPECT_TRUE(w().删除->disabled());
    EXPECT_TRUE(w().超级按钮更换->disabled());
    EXPECT_TRUE(w().超级按钮删除->disabled());
    EXPECT_TRUE(shown_messages().empty());
    expect_nothing_moved();

    // Right after its own swap the chosen box is the one in use.
    driver->double_click_item(mine(), index_of(mine(), "T"));
    EXPECT_EQ(shown_messages().size(), 1u);
    driver->double_click_item(mine(), index_of(mine(), "T"));
    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
}

TEST_F(SwapOfTheBoxInUse, WithNoStashFileInTheSlotTheSwapFailsAndMovesNothing) {
    remove_from_disk(stash());
    ASSERT_FALSE(exists_on_disk(stash()));
    select(mine(), "T");
    driver->click(*w().超级按钮更换);
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "移动箱子失败！  ToT");
    EXPECT_EQ(messages[0].caption, "错误提示");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(items(mine()), (Items{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(stored("状态", "正在使用"), "M");
}

}  // namespace
}  // namespace kistvar::test
