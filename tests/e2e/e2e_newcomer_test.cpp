// A newcomer's first day, on the default folders of the documents folder: the
// first-run prompt, the defaults saved, the box folder made, the game's stash
// kept as a box and another box swapped in. Screenshots of each step go to
// build\screenshots\newcomer-*.png.
#include <filesystem>

#include "e2e/e2e_fixture.h"
#include "platform/dialogs.h"

namespace kistvar::test {
namespace {

class Newcomer : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        if (exists_on_disk(documents_folder() + "My Games")) {
            GTEST_SKIP() << "the documents folder already holds My Games; a newcomer's has none";
        }
        made_my_games_ = true;
    }
    void TearDown() override {
        EndToEnd::TearDown();
        if (made_my_games_) remove_tree(documents_folder() + "My Games");
    }
    static void remove_tree(const std::string& path);
    std::string default_stash() const { return default_save_folder() + "\\sharedstash_v2.bin"; }

private:
    bool made_my_games_ = false;
};

void Newcomer::remove_tree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(std::u8string(
                                    reinterpret_cast<const char8_t*>(path.data()), path.size())),
                                ignored);
}

TEST_F(Newcomer, FirstRunSaveDefaultsMakeTheBoxFolderAndSwap) {
    // First start: the prompt, answered with OK, opens the options.
    answer_message_box(result_ok);
    start();
    ASSERT_EQ(shown_messages().size(), 1u);
    EXPECT_TRUE(save_screenshot("newcomer-2-options-with-defaults"));
    EXPECT_EQ(w().编辑框存档路径->content(), default_save_folder());
    EXPECT_EQ(w().编辑框箱子路径->content(), default_box_folder());

    driver->click(*w().按钮保存);
    EXPECT_EQ(stored("路径", "存档"), default_save_folder());
    EXPECT_EQ(stored("路径", "箱子"), default_box_folder());

    // The game made its save folder with the stash; the player makes the box folder.
    make_folder_on_disk(default_box_folder());
    write_on_disk(default_stash(), stash_holding("the newcomer's own stash"));

    driver->click(*w().超级按钮高级);
    EXPECT_TRUE(save_screenshot("newcomer-3-library-after-saving"));
    EXPECT_EQ(items(mine()), (Items{{"MYBOX 1", 1}}));

    // A template of today's stash, then the swap to it.
    select(mine(), "MYBOX 1");
    driver->answer_input_box("起步箱子");
    driver->click(*w().超级按钮另存);
    EXPECT_EQ(box_on_disk(default_box_folder() + "\\起步箱子.bin"), "the newcomer's own stash");
    shown();

    select(saved(), "起步箱子");
    driver->click(*w().超级按钮更换);
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "置换箱子  起步箱子  成功！  ^_^");
    EXPECT_TRUE(save_screenshot("newcomer-4-after-swap"));

    EXPECT_EQ(box_on_disk(default_box_folder() + "\\MYBOX\\MYBOX 1.bin"), "the newcomer's own stash");
    EXPECT_EQ(box_on_disk(default_stash()), "the newcomer's own stash");
    EXPECT_EQ(status(), "别的箱子  起步箱子");
    EXPECT_EQ(items(mine()), (Items{{"MYBOX 1", 0}}));

    close();
    EXPECT_EQ(stored("状态", "正在使用"), "别的箱子");
}

}  // namespace
}  // namespace kistvar::test
