// Save as and new box: which file is copied or written, under which name, and
// that neither ever replaces a box.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dialogs.h"
#include "logic/library_fixture.h"

namespace kistvar {
namespace {

using test::exists_on_disk;
using test::ListItem;
using test::box_on_disk;
using test::ShownDialog;

class SaveAs : public test::Library {
protected:
    void save_as() { driver->click(*w().超级按钮另存); }
};

TEST_F(SaveAs, NothingSelectedAsksNothing) {
    start_library();
    save_as();
    EXPECT_TRUE(shown().empty());
}

TEST_F(SaveAs, AMyBoxBecomesASelectedSavedBox) {
    put_my_box("b", "content of b");
    start_library("别的箱子");
    select(mine(), "b");
    driver->answer_input_box("copy");

    save_as();

    ShownDialog prompt = only_message();
    EXPECT_EQ(prompt.kind, ShownDialog::Kind::input_box);
    EXPECT_EQ(prompt.text, "下面箱子将被另存,请输入一个名称。\r\n\r\n        b");
    EXPECT_EQ(prompt.caption, "箱子另存为");
    EXPECT_EQ(box_on_disk(saved_box("copy")), "content of b");
    EXPECT_EQ(box_on_disk(my_box("b")), "content of b");
    EXPECT_EQ(saved().get_item_title(saved().selected_item()), "copy");
    EXPECT_EQ(mine().get_item_title(mine().selected_item()), "b");
    EXPECT_EQ(app->state.current_list, &mine());
}

TEST_F(SaveAs, TheBoxInUseIsSavedFromTheStashFile) {
    put_stash("current stash");
    put_my_box("M", "an older M that must not be used");
    start_library("M");
    for (int i = 0; i < mine().item_count(); ++i)
        if (mine().get_item_picture(i) == 1) mine().set_selected_item(i);
    driver->answer_input_box("snapshot");

    save_as();

    EXPECT_EQ(box_on_disk(saved_box("snapshot")), "current stash");
    shown();
}

TEST_F(SaveAs, ASavedBoxIsCopiedFromTheBoxFolder) {
    put_saved_box("s", "template");
    start_library();
    select(saved(), "s");
    driver->answer_input_box("s2");

    save_as();

    EXPECT_EQ(box_on_disk(saved_box("s2")), "template");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"s", "s2"}));
    shown();
}

TEST_F(SaveAs, ATakenNameAsksAgainAndCancelThenEndsIt) {
    put_my_box("b", "content of b");
    put_saved_box("taken", "another box");
    start_library();
    select(mine(), "b");
    driver->answer_input_box("taken");
    driver->answer_input_box(std::nullopt);

    save_as();

    EXPECT_EQ(shown().size(), 2u);
    EXPECT_EQ(box_on_disk(saved_box("taken")), "another box");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"taken"}));
}

TEST_F(SaveAs, AnEmptyNameEndsIt) {
    put_my_box("b");
    start_library();
    select(mine(), "b");
    driver->answer_input_box("");

    save_as();

    EXPECT_EQ(shown().size(), 1u);
    EXPECT_FALSE(exists_on_disk(saved_box("")));
    EXPECT_TRUE(titles(saved()).empty());
}

TEST_F(SaveAs, ARefusedNameSaysWhyEvenWhenQuietAndAsksAgain) {
    put_my_box("b", "content of b");
    start_library();
    select(mine(), "b");
    quiet();
    for (const char* refused : {"..\\escape", "a/b", "wild*", "CON", "lpt1.old"}) driver->answer_input_box(refused);
    driver->answer_input_box("fine");

    save_as();

    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 11u);
    EXPECT_EQ(dialogs[1].text,
              "将选中箱子另存为  ..\\escape  失败！  ToT\r\n\r\n名称不能含有  \\ / : * ? \" < > |  或控制字符。");
    EXPECT_EQ(dialogs[1].caption, "错误信息");
    EXPECT_EQ(dialogs[1].style, 16);
    EXPECT_EQ(dialogs[7].text, "将选中箱子另存为  CON  失败！  ToT\r\n\r\n名称  CON  是系统保留的设备名。");
    EXPECT_EQ(box_on_disk(saved_box("fine")), "content of b");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"fine"}));
    EXPECT_FALSE(exists_on_disk(save_folder + "\\escape.bin"));
}

TEST_F(SaveAs, AFailedCopySaysSoUnlessQuietAndAddsNoItem) {
    start_library("别的箱子");
    put_my_box("gone");
    driver->click(*w().超级按钮刷新);
    select(mine(), "gone");
    std::filesystem::remove(test::native_path(my_box("gone")));
    driver->answer_input_box("copy");

    save_as();

    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].text, "将选中箱子另存为  copy  失败！  ToT");
    EXPECT_EQ(dialogs[1].caption, "错误信息");
    EXPECT_EQ(dialogs[1].style, 0);
    EXPECT_TRUE(titles(saved()).empty());

    quiet();
    driver->answer_input_box("copy");
    save_as();
    EXPECT_EQ(shown().size(), 1u);
}

class NewBox : public test::Library {
protected:
    void new_box() { driver->click(*w().超级按钮新建); }
    static constexpr char empty_stash[] = "\x42\x00\x00\x00\x01\x53\x46\xD4\x78\x00\x00\x00\x00\x11\x00\x00\x00";
    std::string empty_stash_image() const { return std::string(empty_stash, 17); }
};

TEST_F(NewBox, IsAnEmptyStashNamedByTheTimeAndSelected) {
    start_library("别的箱子");
    headless::set_current_time({2012, 10, 23, 9, 5, 7});

    new_box();

    const std::string title = "MYBOX 2012年10月23日9时5分7秒";
    EXPECT_EQ(box_on_disk(my_box(title)), empty_stash_image());
    EXPECT_EQ(mine().get_item_title(mine().selected_item()), title);
    ShownDialog message = only_message();
    EXPECT_EQ(message.text, "新建我的箱子成功！  ^_^");
    EXPECT_EQ(message.caption, "提示信息");
    EXPECT_EQ(message.style, 64);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(test::native_path(my_boxes_folder)), {}), 1)
        << "no temporary file is left beside it";
}

TEST_F(NewBox, TheTitleDropsTrailingZeroUnitsOfTheTime) {
    start_library("别的箱子");
    quiet();
    headless::set_current_time({2012, 10, 23, 14, 30, 0});
    new_box();
    headless::set_current_time({2012, 10, 23, 0, 0, 0});
    new_box();

    EXPECT_TRUE(exists_on_disk(my_box("MYBOX 2012年10月23日14时30分")));
    EXPECT_TRUE(exists_on_disk(my_box("MYBOX 2012年10月23日")));
    EXPECT_TRUE(shown().empty());
}

TEST_F(NewBox, ATakenTitleGetsANumberInsteadOfReplacingTheBox) {
    start_library("MYBOX 2012年10月23日9时5分7秒");
    quiet();
    headless::set_current_time({2012, 10, 23, 9, 5, 7});

    new_box();  // the title of the box in use
    test::write_on_disk(my_box("MYBOX 2012年10月23日9时5分7秒 (2)"), "played with");
    new_box();  // the same second again

    EXPECT_FALSE(exists_on_disk(my_box("MYBOX 2012年10月23日9时5分7秒")));
    EXPECT_EQ(box_on_disk(my_box("MYBOX 2012年10月23日9时5分7秒 (2)")), "played with");
    EXPECT_EQ(box_on_disk(my_box("MYBOX 2012年10月23日9时5分7秒 (3)")), empty_stash_image());
    EXPECT_EQ(mine().get_item_title(mine().selected_item()), "MYBOX 2012年10月23日9时5分7秒 (3)");
}

TEST_F(NewBox, WithoutTheMyBoxFolderItFailsAndAddsNothing) {
    start_library("别的箱子");
    std::filesystem::remove_all(test::native_path(my_boxes_folder));

    new_box();

    ShownDialog message = only_message();
    EXPECT_EQ(message.text, "新建我的箱子失败！  ToT");
    EXPECT_EQ(message.caption, "错误信息");
    EXPECT_EQ(message.style, 16);
    EXPECT_TRUE(titles(mine()).empty());
}

TEST_F(NewBox, AFailedWriteLeavesNothingBehind) {
    start_library("别的箱子");
    quiet();
    fault_seam::fail_paths_containing("MYBOX");

    new_box();

    fault_seam::disarm();
    EXPECT_TRUE(std::filesystem::is_empty(test::native_path(my_boxes_folder)));
    EXPECT_TRUE(titles(mine()).empty());
    EXPECT_TRUE(shown().empty());
}

}  // namespace
}  // namespace kistvar
