// The swap, judged by what each file holds afterwards: every box has its own
// content, so a box lost or overwritten shows.
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "logic/library_fixture.h"

namespace kistvar {
namespace {

using test::ListItem;
using test::box_on_disk;
using test::exists_on_disk;
using test::ShownDialog;

class Swap : public test::Library {
protected:
    void swap_selected() { driver->click(*w().超级按钮更换); }

    void expect_success_message(std::string_view title) {
        ShownDialog message = only_message();
        EXPECT_EQ(message.text, "置换箱子  " + std::string(title) + "  成功！  ^_^");
        EXPECT_EQ(message.caption, "提示信息");
        EXPECT_EQ(message.style, 64);
    }
    void expect_failure(const ShownDialog& message, std::string_view text) {
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.caption, "错误提示");
        EXPECT_EQ(message.style, 16);
    }
};

TEST_F(Swap, MyBoxForMyBoxTradesTheTwoFiles) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");

    swap_selected();

    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 0}, {"T", 1}}));
    EXPECT_EQ(status(), "我的箱子  T");
    EXPECT_EQ(app->state.paths[in_use_marker], "T");
    EXPECT_EQ(stored_marker(), "T");
    expect_success_message("T");
}

TEST_F(Swap, SavedBoxForMyBoxParksTheMyBoxAndCopiesTheTemplate) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    start_library("M");
    select(saved(), "S");

    swap_selected();

    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(box_on_disk(stash()), "template S");
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 0}}));
    EXPECT_EQ(status(), "别的箱子  S");
    EXPECT_EQ(stored_marker(), "别的箱子");
    expect_success_message("S");
}

TEST_F(Swap, MyBoxAfterASavedBoxReplacesTheCopyWithoutParkingIt) {
    put_stash("copy of a template");
    put_my_box("T", "content of T");
    start_library("别的箱子");
    select(mine(), "T");

    swap_selected();

    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_FALSE(exists_on_disk(my_box("别的箱子")));
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"T", 1}}));
    EXPECT_EQ(stored_marker(), "T");
    expect_success_message("T");
}

TEST_F(Swap, ASavedBoxGivesItsStoredContentEveryTime) {
    put_stash("copy of a template");
    put_saved_box("S", "template S");
    start_library("别的箱子");
    select(saved(), "S");
    quiet();

    swap_selected();
    test::write_on_disk(stash(), test::stash_holding("played with"));
    swap_selected();

    EXPECT_EQ(box_on_disk(stash()), "template S");
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_TRUE(shown().empty()) << "quiet success";
}

// A box that is no readable stash goes into the slot only when the player
// says so, asked every time, quiet or not; Cancel changes nothing at all.
TEST_F(Swap, ABoxThatIsNoReadableStashGoesInOnlyWhenThePlayerAgrees) {
    put_stash("content of M");
    std::string damaged = test::stash_holding("content of T");
    damaged[12] ^= 0x10;
    test::write_on_disk(my_box("T"), damaged);
    test::write_on_disk(saved_box("S"), "plain text");
    start_library("M");
    quiet();

    select(mine(), "T");
    driver->answer_message_box(result_cancel);
    swap_selected();
    ShownDialog question = only_message();
    EXPECT_EQ(question.text, "箱子  T  不是可读的共享仓库文件（校验和不符）。游戏可能无法读取它。仍要更换吗？");
    EXPECT_EQ(question.caption, "提示窗口");
    EXPECT_EQ(question.style, 0x131);  // OK/Cancel, warning, Cancel the default
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(test::read_on_disk(my_box("T")), damaged);
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(stored_marker(), "M");

    select(saved(), "S");
    driver->answer_message_box(result_ok);
    swap_selected();
    EXPECT_EQ(only_message().text, "箱子  S  不是可读的共享仓库文件（文件太短）。游戏可能无法读取它。仍要更换吗？");
    EXPECT_EQ(box_on_disk(stash()), "plain text");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(stored_marker(), "别的箱子");
}

TEST_F(Swap, FirstUseParksTheGamesOwnStashAsTheDefaultBox) {
    put_stash("the game's stash");
    put_my_box("T", "content of T");
    start_library("MYBOX 1");
    ASSERT_EQ(items(mine()), (std::vector<ListItem>{{"MYBOX 1", 1}, {"T", 0}}));
    select(mine(), "T");

    swap_selected();

    EXPECT_EQ(box_on_disk(my_box("MYBOX 1")), "the game's stash");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"MYBOX 1", 0}, {"T", 1}}));
    shown();
}

TEST_F(Swap, TheBoxInUseOrNoSelectionDoesNothing) {
    put_stash("content of M");
    start_library("M");

    swap_selected();  // nothing selected
    EXPECT_FALSE(w().超级按钮更换->disabled());

    w().超级按钮更换->set_disabled(false);
    mine().set_selected_item(index_of(mine(), "M"));
    app->state.current_list = &mine();
    swap_selected();

    EXPECT_TRUE(w().超级按钮更换->disabled());
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_TRUE(shown().empty());
}

TEST_F(Swap, NoStashFileFailsBeforeTouchingAnythingAndIsQuietWhenAsked) {
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");

    swap_selected();
    expect_failure(only_message(), "移动箱子失败！  ToT");
    quiet();
    swap_selected();
    EXPECT_TRUE(shown().empty());

    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(app->state.paths[in_use_marker], "M");
    EXPECT_EQ(status(), "M");
}

TEST_F(Swap, NeverParksTheBoxInUseOverAFileOfTheSameTitle) {
    put_stash("content of M");
    put_my_box("M", "an imported M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");

    swap_selected();

    expect_failure(only_message(), "我的箱子里已有同名箱子  M  ，移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("M")), "an imported M");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(app->state.paths[in_use_marker], "M");

    quiet();
    swap_selected();
    EXPECT_TRUE(shown().empty());
}

TEST_F(Swap, AMyBoxTitledLikeTheSavedBoxStateIsNeverSwappedIn) {
    put_stash("content of M");
    put_my_box("别的箱子", "a box with the reserved title");
    start_library("M");
    select(mine(), "别的箱子");

    swap_selected();

    expect_failure(only_message(), "箱子名称  别的箱子  已被保留，置换箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(box_on_disk(my_box("别的箱子")), "a box with the reserved title");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_EQ(app->state.paths[in_use_marker], "M");
}

TEST_F(Swap, AFailedMoveInPutsThePreviousBoxBackIntoTheSlot) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");
    quiet();  // this failure is shown all the same
    fail_moves_and_copies_from({"\\T.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 1}, {"T", 0}}));
    EXPECT_EQ(app->state.paths[in_use_marker], "M");
    EXPECT_EQ(status(), "M");

    fault_seam::disarm();
    swap_selected();  // and the next swap works as if nothing happened
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
}

TEST_F(Swap, AFailedCopyOfASavedBoxAlsoPutsThePreviousBoxBack) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    start_library("M");
    select(saved(), "S");
    fail_moves_and_copies_from({"S.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_EQ(stored_marker(), "M");
}

TEST_F(Swap, WhenEvenTheWayBackFailsTheMessageSaysWhereThePreviousBoxIs) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    select(mine(), "T");
    fail_moves_and_copies_from({"\\T.bin", "\\M.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT\r\n\r\n原来使用的箱子  M  现在位于：\r\n" + my_box("M"));
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    // M is an ordinary box again, so the next swap does not try to park it.
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"M", 0}, {"T", 0}}));
    EXPECT_EQ(stored_marker(), "别的箱子");

    fault_seam::disarm();
    swap_selected();
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
    shown();
}

TEST_F(Swap, AFailedCopyWithNoBoxToPutBackIsShownAndChangesNothing) {
    put_stash("copy of a template");
    put_saved_box("S", "template S");
    start_library("别的箱子");
    select(saved(), "S");
    quiet();
    fail_moves_and_copies_from({"S.bin"});

    swap_selected();

    expect_failure(only_message(), "移动箱子失败！  ToT");
    EXPECT_EQ(box_on_disk(stash()), "copy of a template");
    EXPECT_EQ(status(), "别的箱子");
}

TEST_F(Swap, DoubleClickSwapsAnOrdinaryMyBoxButNotTheBoxInUse) {
    put_stash("content of M");
    put_my_box("T", "content of T");
    start_library("M");
    quiet();

    driver->double_click_item(mine(), index_of(mine(), "M"));
    EXPECT_FALSE(exists_on_disk(my_box("M")));

    driver->double_click_item(mine(), index_of(mine(), "T"));
    EXPECT_EQ(box_on_disk(stash()), "content of T");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
}

TEST_F(Swap, DoubleClickOnASavedBoxSwapsIt) {
    put_stash("content of M");
    put_saved_box("S", "template S");
    start_library("M");
    quiet();
    driver->focus(saved());

    driver->double_click_item(saved(), index_of(saved(), "S"));

    EXPECT_EQ(box_on_disk(stash()), "template S");
    EXPECT_EQ(box_on_disk(my_box("M")), "content of M");
}

}  // namespace
}  // namespace kistvar
