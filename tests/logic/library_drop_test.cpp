// Box files dropped from the shell onto either list.
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "logic/library_fixture.h"

namespace kistvar {
namespace {

using test::exists_on_disk;
using test::box_on_disk;
using test::ShownDialog;

class Drop : public test::Library {
protected:
    void SetUp() override {
        Library::SetUp();
        test::make_folder_on_disk(temp / "elsewhere");
    }
    std::string outside(std::string_view name, std::string_view content) {
        std::string path = temp / "elsewhere" + "\\" + std::string(name);
        test::write_on_disk(path, test::stash_holding(content));
        return path;
    }
    void expect_alert(std::string_view text) {
        ShownDialog message = only_message();
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.caption, "错误提示");
        EXPECT_EQ(message.style, 16);
    }
};

TEST_F(Drop, ABoxFileIsCopiedIntoTheListsFolderAndSelected) {
    start_library("别的箱子");
    std::string a = outside("a.bin", "dropped a");

    driver->drop_files(mine(), {a});
    driver->drop_files(saved(), {a});

    EXPECT_EQ(box_on_disk(my_box("a")), "dropped a");
    EXPECT_EQ(box_on_disk(saved_box("a")), "dropped a");
    EXPECT_EQ(box_on_disk(a), "dropped a");
    EXPECT_EQ(mine().get_item_title(mine().selected_item()), "a");
    EXPECT_EQ(saved().get_item_title(saved().selected_item()), "a");
    EXPECT_TRUE(shown().empty());
}

// A file that is no readable stash goes in only when the player says so,
// asked every time, quiet or not; a real stash is taken without a question.
TEST_F(Drop, AFileThatIsNoReadableStashIsImportedOnlyWhenThePlayerAgrees) {
    start_library("别的箱子");
    quiet();
    std::string text = outside("notes.bin", "");
    test::write_on_disk(text, "just some text, long enough");
    std::string cut = outside("cut.bin", "");
    test::write_on_disk(cut, test::stash_holding("Sword").substr(0, 30));

    driver->answer_message_box(result_cancel);
    driver->drop_files(mine(), {text});
    ShownDialog question = only_message();
    EXPECT_EQ(question.text, "文件  notes.bin  不是可读的共享仓库文件（未知的版本）。仍要导入吗？");
    EXPECT_EQ(question.caption, "提示窗口");
    EXPECT_EQ(question.style, 0x131);  // OK/Cancel, warning, Cancel the default
    EXPECT_FALSE(test::exists_on_disk(my_box("notes")));
    EXPECT_EQ(mine().item_count(), 0);

    driver->answer_message_box(result_ok);
    driver->drop_files(saved(), {cut});
    EXPECT_EQ(only_message().text, "文件  cut.bin  不是可读的共享仓库文件（文件长度不符）。仍要导入吗？");
    EXPECT_EQ(test::read_on_disk(saved_box("cut")), test::read_on_disk(cut));
    EXPECT_EQ(saved().get_item_title(saved().selected_item()), "cut");

    // A stash with a damaged record lists the rest, but is asked about too.
    std::string torn = outside("torn.bin", "");
    test::write_on_disk(torn, test::stash_container(test::stash_body({"cut", test::stash_record(test::stash_item("Ring"))})));
    driver->answer_message_box(result_cancel);
    driver->drop_files(saved(), {torn});
    EXPECT_EQ(only_message().text, "文件  torn.bin  中有 1 条物品记录无法读取（物品记录已损坏），其余物品可以读取。仍要导入吗？");
    EXPECT_FALSE(test::exists_on_disk(saved_box("torn")));
}

// A box file is one whose name ends in ".bin" in any letter case, as the
// lists take it and as Windows matches "*.bin".
TEST_F(Drop, OnlyOneFileEndingInBinInAnyCaseIsTaken) {
    start_library("别的箱子");
    std::string upper = outside("a.BIN", "x");
    std::string one = outside("one.bin", "1");
    std::string two = outside("two.bin", "2");

    driver->drop_files(saved(), {upper});
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(box_on_disk(saved_box("a")), "x");
    driver->drop_files(saved(), {one, two});
    expect_alert("只接受单个  *.bin  公共箱子文件");
    quiet();
    driver->drop_files(saved(), {one, two});
    EXPECT_TRUE(shown().empty());

    EXPECT_FALSE(exists_on_disk(saved_box("one")));
    EXPECT_FALSE(exists_on_disk(saved_box("two")));
    driver->click(*w().超级按钮刷新);
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"a"}));
}

TEST_F(Drop, AnExistingBoxIsReplacedOnlyWhenTheUserAgrees) {
    put_saved_box("a", "the library's a");
    start_library("别的箱子");
    quiet();  // the question is asked all the same
    std::string a = outside("a.bin", "dropped a");

    driver->answer_message_box(result_cancel);
    driver->drop_files(saved(), {a});
    ShownDialog question = only_message();
    EXPECT_EQ(question.text, "已经有相同名字的文件存在，是否覆盖？");
    EXPECT_EQ(question.caption, "提示信息");
    EXPECT_EQ(question.style, 33);
    EXPECT_EQ(box_on_disk(saved_box("a")), "the library's a");

    driver->answer_message_box(result_ok);
    driver->drop_files(saved(), {a});
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(box_on_disk(saved_box("a")), "dropped a");
}

TEST_F(Drop, ABoxDroppedWhereItAlreadyLiesChangesNothing) {
    put_saved_box("a", "the library's a");
    start_library("别的箱子");

    driver->drop_files(saved(), {saved_box("a")});

    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(box_on_disk(saved_box("a")), "the library's a");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"a"}));
}

TEST_F(Drop, AFailedCopyAddsNoItem) {
    start_library("别的箱子");
    test::make_folder_on_disk(temp / "elsewhere" + "\\folder.bin");

    driver->drop_files(saved(), {temp / "elsewhere" + "\\folder.bin"});

    expect_alert("导入箱子  folder  失败！  ToT");
    EXPECT_TRUE(titles(saved()).empty());
    quiet();
    driver->drop_files(saved(), {temp / "elsewhere" + "\\folder.bin"});
    EXPECT_TRUE(shown().empty());
}

TEST_F(Drop, MyBoxesRefuseTheTitleOfTheBoxInUseAndTheReservedTitle) {
    put_stash("content of M");
    start_library("M");
    std::string m = outside("M.bin", "another M");
    std::string reserved = outside("别的箱子.bin", "x");

    driver->drop_files(mine(), {m});
    expect_alert("导入箱子  M  失败！  ToT\r\n\r\n名称  M  是正在使用的箱子。");
    driver->drop_files(mine(), {reserved});
    expect_alert("导入箱子  别的箱子  失败！  ToT\r\n\r\n名称  别的箱子  已被保留。");

    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_FALSE(exists_on_disk(my_box("别的箱子")));
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M"}));

    driver->drop_files(saved(), {m});  // a saved box may have any title
    EXPECT_EQ(box_on_disk(saved_box("M")), "another M");
}

TEST_F(Drop, ATitleNoTypedNameCouldBeIsRefusedWithItsReasonBeforeAnyQuestion) {
    put_stash("content of M");
    start_library("M");
    std::string device = outside("CON.bin", "x");

    driver->drop_files(mine(), {device});
    expect_alert("导入箱子  CON  失败！  ToT\r\n\r\n名称  CON  是系统保留的设备名。");
    driver->drop_files(saved(), {device});
    expect_alert("导入箱子  CON  失败！  ToT\r\n\r\n名称  CON  是系统保留的设备名。");

    EXPECT_FALSE(exists_on_disk(my_box("CON")));
    EXPECT_FALSE(exists_on_disk(saved_box("CON")));
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M"}));
    EXPECT_TRUE(titles(saved()).empty());
}

}  // namespace
}  // namespace kistvar
