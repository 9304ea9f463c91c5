// Renaming in place and deleting: the list never shows a title the file did
// not take, and the box in use is neither renamed on disk nor deleted.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/dialogs.h"
#include "logic/library_fixture.h"
#include "services/disk_helpers.h"

namespace kistvar {
namespace {

using test::exists_on_disk;
using test::ListItem;
using test::box_on_disk;
using test::ShownDialog;

class Rename : public test::Library {
protected:
    // 重命名 from the context menu of the item, then the edit ends.
    void rename(ui::ListView& list, std::string_view title, std::optional<std::string> typed) {
        driver->focus(list);
        driver->answer_popup_menu(w().重命名.get());
        driver->right_click_item(list, index_of(list, title));
        shown();  // the menu
        driver->finish_label_edit(list, std::move(typed));
    }
    void expect_refused(std::string_view text) {
        ShownDialog message = only_message();
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.caption, "错误信息");
        EXPECT_EQ(message.style, 16);
    }
};

TEST_F(Rename, AMyBoxFileTakesTheTypedTitle) {
    put_my_box("b", "content of b");
    start_library("别的箱子");

    rename(mine(), "b", "c");

    EXPECT_EQ(box_on_disk(my_box("c")), "content of b");
    EXPECT_FALSE(exists_on_disk(my_box("b")));
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"c"}));
    EXPECT_TRUE(shown().empty());
}

TEST_F(Rename, ASavedBoxFileTakesTheTypedTitle) {
    put_saved_box("s", "template");
    put_my_box("s", "a my box of the same title");
    start_library("别的箱子");

    rename(saved(), "s", "t");

    EXPECT_EQ(box_on_disk(saved_box("t")), "template");
    EXPECT_EQ(box_on_disk(my_box("s")), "a my box of the same title");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"t"}));
}

TEST_F(Rename, ATakenTitleIsRefusedAndTheListKeepsTheOldOne) {
    put_saved_box("a", "box a");
    put_saved_box("b", "box b");
    start_library("别的箱子");

    rename(saved(), "a", "b");

    expect_refused("重命名箱子  a  失败！  ToT\r\n\r\n已有名为  b  的箱子。");
    EXPECT_EQ(box_on_disk(saved_box("a")), "box a");
    EXPECT_EQ(box_on_disk(saved_box("b")), "box b");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"a", "b"}));
}

TEST_F(Rename, NamesThatAreNoPlainFileNamesAreRefusedQuietlyWhenAsked) {
    put_my_box("b", "content of b");
    start_library("别的箱子");

    rename(mine(), "b", "..\\..\\b");
    expect_refused("重命名箱子  b  失败！  ToT\r\n\r\n名称不能含有  \\ / : * ? \" < > |  或控制字符。");
    rename(mine(), "b", "");
    expect_refused("重命名箱子  b  失败！  ToT\r\n\r\n名称不能为空。");
    quiet();
    rename(mine(), "b", "nul.txt");
    rename(mine(), "b", "tab\there");
    EXPECT_TRUE(shown().empty());

    EXPECT_EQ(box_on_disk(my_box("b")), "content of b");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"b"}));
}

TEST_F(Rename, AChangeOfLetterCaseAloneReachesTheDisk) {
    put_my_box("b", "content of b");
    put_saved_box("s", "template");
    start_library("别的箱子");

    rename(mine(), "b", "B");
    rename(saved(), "s", "S");

    EXPECT_EQ(test::names_on_disk(my_boxes_folder), std::vector<std::string>{"B.bin"});
    EXPECT_EQ(test::names_on_disk(box_folder), (std::vector<std::string>{"MYBOX", "S.bin"}));
    EXPECT_EQ(titles(mine()), std::vector<std::string>{"B"});
    EXPECT_EQ(titles(saved()), std::vector<std::string>{"S"});
    EXPECT_TRUE(shown().empty());

    // A second step that fails takes the box back to its name, and the list says so.
    int failures = 0;
    fault_seam::arm([&](fault_seam::FileCall call, std::string_view path, std::uint64_t) {
        return call == fault_seam::FileCall::move_file && path.find("kistvar-case") != std::string_view::npos &&
               failures++ == 0;
    });
    rename(mine(), "B", "b");
    expect_refused("重命名箱子  B  失败！  ToT");
    EXPECT_EQ(test::names_on_disk(my_boxes_folder), std::vector<std::string>{"B.bin"});
    EXPECT_EQ(box_on_disk(my_box("B")), "content of b");
    EXPECT_EQ(titles(mine()), std::vector<std::string>{"B"});
}

TEST_F(Rename, AMissingFileIsRefused) {
    start_library("别的箱子");
    put_my_box("b");
    driver->click(*w().超级按钮刷新);
    std::filesystem::remove(test::native_path(my_box("b")));

    rename(mine(), "b", "c");

    expect_refused("重命名箱子  b  失败！  ToT\r\n\r\n找不到箱子文件。");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"b"}));
}

TEST_F(Rename, AMyBoxCannotTakeTheReservedTitleOrTheTitleOfTheBoxInUse) {
    put_stash("content of M");
    put_my_box("b", "content of b");
    start_library("M");

    rename(mine(), "b", "别的箱子");
    expect_refused("重命名箱子  b  失败！  ToT\r\n\r\n名称  别的箱子  已被保留。");
    rename(mine(), "b", "M");
    expect_refused("重命名箱子  b  失败！  ToT\r\n\r\n名称  M  是正在使用的箱子。");

    EXPECT_EQ(box_on_disk(my_box("b")), "content of b");
    EXPECT_FALSE(exists_on_disk(my_box("M")));
}

TEST_F(Rename, TheBoxInUseChangesOnlyItsTitle) {
    put_stash("content of M");
    start_library("M");

    rename(mine(), "M", "N");

    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"N", 1}}));
    EXPECT_EQ(app->state.paths[in_use_marker], "N");
    EXPECT_EQ(stored_marker(), "N");
    EXPECT_EQ(status(), "N");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_FALSE(exists_on_disk(my_box("N")));
    EXPECT_TRUE(shown().empty());
}

TEST_F(Rename, TheBoxInUseCannotTakeATitleThatMyBoxesHoldOrTheReservedOne) {
    put_stash("content of M");
    put_my_box("b", "content of b");
    start_library("M");

    rename(mine(), "M", "b");
    expect_refused("重命名箱子  M  失败！  ToT\r\n\r\n已有名为  b  的箱子。");
    rename(mine(), "M", "别的箱子");
    expect_refused("重命名箱子  M  失败！  ToT\r\n\r\n名称  别的箱子  已被保留。");

    EXPECT_EQ(app->state.paths[in_use_marker], "M");
    EXPECT_EQ(stored_marker(), "M");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"b", 0}, {"M", 1}}));
}

TEST_F(Rename, ACancelledEditIsNoFailure) {
    put_stash("content of M");
    put_my_box("b", "content of b");
    put_saved_box("s", "template");
    start_library("M");
    w().状态条1->set_status_text(1, "我的箱子  M");

    rename(mine(), "b", std::nullopt);
    rename(saved(), "s", std::nullopt);
    rename(mine(), "M", std::nullopt);

    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(box_on_disk(my_box("b")), "content of b");
    EXPECT_EQ(box_on_disk(saved_box("s")), "template");
    EXPECT_EQ(status(), "M");
    EXPECT_EQ(stored_marker(), "M");
}

class Delete : public test::Library {
protected:
    void delete_selected() { driver->click(*w().超级按钮删除); }
    // The backup before it succeeds; the delete itself fails.
    static void fail_recycling() {
        fault_seam::arm([](fault_seam::FileCall call, std::string_view, std::uint64_t) {
            return call == fault_seam::FileCall::recycle_file;
        });
    }
};

TEST_F(Delete, AskedAndConfirmedRemovesTheFileAndTheItem) {
    put_my_box("b", "content of b");
    put_saved_box("b", "a saved box of the same title");
    start_library("别的箱子");
    select(mine(), "b");
    driver->answer_message_box(result_ok);

    delete_selected();

    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, "将删除箱子  b ，是否确认删除？");
    EXPECT_EQ(dialogs[0].caption, "提示信息");
    EXPECT_EQ(dialogs[0].style, 33);
    EXPECT_EQ(dialogs[1].text, "删除箱子  b  成功！  ^_^");
    EXPECT_EQ(dialogs[1].caption, "提示信息");
    EXPECT_EQ(dialogs[1].style, 64);
    EXPECT_FALSE(exists_on_disk(my_box("b")));
    EXPECT_EQ(box_on_disk(saved_box("b")), "a saved box of the same title");
    EXPECT_TRUE(titles(mine()).empty());
}

TEST_F(Delete, CancelLeavesEverything) {
    put_saved_box("s", "template");
    start_library("别的箱子");
    select(saved(), "s");
    driver->answer_message_box(result_cancel);

    delete_selected();

    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(box_on_disk(saved_box("s")), "template");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"s"}));
}

TEST_F(Delete, TheBoxInUseIsNeverDeleted) {
    put_stash("content of M");
    start_library("M");
    mine().set_selected_item(index_of(mine(), "M"));

    w().删除->on_chosen();

    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M"}));
}

TEST_F(Delete, QuietStillAsksButSaysNothingAfterwards) {
    put_saved_box("s", "template");
    put_saved_box("t", "another");
    start_library("别的箱子");
    quiet();
    select(saved(), "s");
    driver->answer_message_box(result_ok);
    delete_selected();
    EXPECT_EQ(shown().size(), 1u);

    select(saved(), "t");
    fail_recycling();
    driver->answer_message_box(result_ok);
    delete_selected();
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"t"}));
}

// Nothing is backed up or lost when the file is gone already: the delete
// itself has failed, and says so as any failed delete does.
TEST_F(Delete, AFailedDeleteKeepsTheItemAndSaysSo) {
    const std::pair<const char*, std::function<void()>> causes[] = {
        {"the Recycle Bin refuses it", [] { fail_recycling(); }},
        {"the file was removed meanwhile", [this] { std::filesystem::remove(test::native_path(saved_box("s"))); }},
    };
    put_saved_box("s", "template");
    start_library("别的箱子");
    for (const auto& [cause, make_it_fail] : causes) {
        SCOPED_TRACE(cause);
        select(saved(), "s");
        make_it_fail();
        driver->answer_message_box(result_ok);

        delete_selected();
        fault_seam::disarm();

        auto dialogs = shown();
        ASSERT_EQ(dialogs.size(), 2u);
        EXPECT_EQ(dialogs[1].text, "删除箱子  s  失败！  ToT");
        EXPECT_EQ(dialogs[1].caption, "错误信息");
        EXPECT_EQ(dialogs[1].style, 16);
        EXPECT_EQ(titles(saved()), (std::vector<std::string>{"s"}));
    }
}

}  // namespace
}  // namespace kistvar
