// Box files dropped from the shell onto the real lists, through the OLE drop
// targets that the start-up registered.
#include "e2e/e2e_fixture.h"
#include "platform/dialogs.h"

namespace kistvar::test {
namespace {

class Drop : public SmallLibrary {
protected:
    TempFolder outside;  // where the player keeps downloaded boxes
    std::string outside_box(std::string_view name, std::string_view content) {
        std::string path = outside / name;
        write_on_disk(path, test::stash_holding(content));
        return path;
    }
};

TEST_F(Drop, OneBoxOnTheMyBoxesListBecomesAMyBox) {
    driver->drop_files(mine(), {outside_box("gift.bin", "gift")});
    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(box_on_disk(my_box("gift")), "gift");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"gift", "M", "T"}));
    EXPECT_EQ(mine().selected_item(), index_of(mine(), "gift"));
}

TEST_F(Drop, OneBoxOnTheSavedBoxesListBecomesASavedBox) {
    driver->drop_files(saved(), {outside_box("gift.bin", "gift")});
    EXPECT_EQ(box_on_disk(saved_box("gift")), "gift");
    EXPECT_FALSE(exists_on_disk(my_box("gift")));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"gift", "S"}));
    EXPECT_EQ(saved().selected_item(), index_of(saved(), "gift"));
}

// The real question box: closed without an answer it says Cancel, and the
// file stays out; OK lets it in.
TEST_F(Drop, AFileThatIsNoStashIsAskedAboutAndCancelKeepsItOut) {
    std::string text = outside / "readme.bin";
    write_on_disk(text, "not a stash at all");
    driver->drop_files(mine(), {text});
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "文件  readme.bin  不是可读的共享仓库文件（未知的版本）。仍要导入吗？");
    EXPECT_EQ(messages[0].caption, "提示窗口");
    EXPECT_EQ(messages[0].style & 0xFFF, 0x131);  // OK/Cancel, warning, Cancel the default
    EXPECT_FALSE(exists_on_disk(my_box("readme")));

    answer_message_box(result_ok);
    driver->drop_files(mine(), {text});
    EXPECT_EQ(read_on_disk(my_box("readme")), "not a stash at all");
}

TEST_F(Drop, TwoFilesAreRefusedAndNeitherIsCopied) {
    driver->drop_files(saved(), {outside_box("one.bin", "1"), outside_box("two.bin", "2")});
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "只接受单个  *.bin  公共箱子文件");
    EXPECT_EQ(messages[0].caption, "错误提示");
    EXPECT_EQ(style_of(messages[0]), 16);
    EXPECT_FALSE(exists_on_disk(saved_box("one")));
    EXPECT_FALSE(exists_on_disk(saved_box("two")));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"S"}));
}

TEST_F(Drop, AFileThatIsNotABoxIsRefused) {
    driver->drop_files(mine(), {outside_box("notes.txt", "x")});
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "只接受单个  *.bin  公共箱子文件");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "T"}));
}

TEST_F(Drop, AnExistingTitleIsReplacedOnlyAfterOk) {
    driver->answer_message_box(result_cancel);
    driver->drop_files(saved(), {outside_box("S.bin", "new S")});
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "已经有相同名字的文件存在，是否覆盖？");
    EXPECT_EQ(messages[0].caption, "提示信息");
    EXPECT_EQ(style_of(messages[0]), 33);
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"S"}));

    driver->answer_message_box(result_ok);
    driver->drop_files(mine(), {outside_box("T.bin", "new T")});
    EXPECT_EQ(shown_messages().size(), 1u);
    EXPECT_EQ(box_on_disk(my_box("T")), "new T");
    EXPECT_EQ(box_on_disk(outside / "T.bin"), "new T");
}

TEST_F(Drop, TheTitleOfTheBoxInUseIsRefusedOnTheMyBoxesList) {
    driver->drop_files(mine(), {outside_box("M.bin", "stranger")});
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("导入箱子  M  失败！  ToT", 0), 0u) << messages[0].text;
    EXPECT_FALSE(exists_on_disk(my_box("M")));
    EXPECT_EQ(box_on_disk(stash()), "content of M");
}

}  // namespace
}  // namespace kistvar::test
