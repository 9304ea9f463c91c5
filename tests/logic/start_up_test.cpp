// From the created event to the first idle moment; the readme; the first run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/start_up.h"
#include "platform/dialogs.h"
#include "platform/fault_seam.h"
#include "platform/gb18030.h"
#include "support/app_fixture.h"
#include "support/headless/script.h"

namespace kistvar {
namespace {

using test::AppFixture;
using test::ListItem;
using test::ShownDialog;

class StartUp : public AppFixture {
protected:
    std::string readme_path() const { return program_folder + "\\说明.txt"; }
    bool readme_exists() const { return test::exists_on_disk(readme_path()); }
};

void expect_first_run_prompt(const std::vector<ShownDialog>& shown) {
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, ShownDialog::Kind::message_box);
    EXPECT_EQ(shown[0].text, "首次运行请先进行配置");
    EXPECT_EQ(shown[0].caption, "提示窗口");
    EXPECT_EQ(shown[0].style, 65);
}

TEST(Readme, Is55GbkLinesJoinedByCrLfWithoutAFinalBreak) {
    const std::string text = gb18030::to_utf8(readme_bytes());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 54);
    EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1);
    EXPECT_EQ(text.find("\r\n\r\n\r\n\r\n"), std::string::npos);
    EXPECT_EQ(readme_bytes().substr(0, 10), "\xB0\xE6\xB1\xBE\xA3\xBAv4.0");  // 版本：v4.0
    EXPECT_TRUE(text.ends_with("v1.0 2012年10月11日\r\n\t//"));
    EXPECT_NE(text.find("\r\n升级记录：\r\nv4.0 2012年10月23日\r\n\t1.调整界面，加入了一些新的按钮。\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("@example.org"), std::string::npos);
    EXPECT_EQ(gb18030::from_utf8(text), readme_bytes());  // nothing lost in the encoding
}

TEST_F(StartUp, FirstRunCancelledEndsWithCodeZeroAndWritesNothing) {
    std::filesystem::remove_all(test::native_path(my_boxes_folder));
    driver->answer_message_box(result_cancel);

    EXPECT_EQ(start(), 0);

    expect_first_run_prompt(driver->take_shown_dialogs());
    EXPECT_FALSE(settings_exist());
    EXPECT_FALSE(readme_exists());
    EXPECT_FALSE(test::exists_on_disk(my_boxes_folder));
    EXPECT_EQ(w().选择夹1->current_page(), 0);
}

TEST_F(StartUp, FirstRunAcceptedOpensTheOptionsPageWithTheDefaultFolders) {
    driver->answer_message_box(result_ok);

    EXPECT_EQ(start(), std::nullopt);

    expect_first_run_prompt(driver->take_shown_dialogs());
    EXPECT_EQ(w().选择夹1->current_page(), 1);
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "返回");
    EXPECT_EQ(w().编辑框存档路径->content(), save_folder);
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);
    EXPECT_TRUE(readme_exists());
    EXPECT_FALSE(settings_exist());
}

TEST_F(StartUp, AFirstRunSavedAndClosedLeavesTheFourSectionsInOrder) {
    driver->answer_message_box(result_ok);
    start();
    w().编辑框存档路径->set_content("C:\\游戏存档");
    driver->click(*w().按钮保存);
    driver->click(*w().超级按钮高级);
    driver->close_window();

    const std::string expected =
        "[路径]\r\n存档=C:\\游戏存档\r\n箱子=" + box_folder + "\r\n"
        "[高级]\r\n版本=0\r\n模式=0\r\n"
        "[显示]\r\n图标大小=0\r\n排列顺序=0\r\n显示信息框=0\r\n"
        "[状态]\r\n正在使用=MYBOX 1\r\n";
    EXPECT_EQ(settings_bytes(), gb18030::from_utf8(expected));
    EXPECT_EQ(driver->unused_answers(), 0);
}

TEST_F(StartUp, ClosingWithoutAnySaveWritesOnlyTheDisplayStateAndTheMarker) {
    driver->answer_message_box(result_ok);
    start();
    driver->close_window();
    EXPECT_EQ(settings_text(), "[显示]\r\n图标大小=0\r\n排列顺序=0\r\n[状态]\r\n正在使用=MYBOX 1\r\n");
}

TEST_F(StartUp, AnOrdinaryStartFillsTheListsFocusesMyBoxesAndBindsTheDropTargets) {
    write_standard_settings("在用");
    put_my_box("甲");
    put_saved_box("乙");

    EXPECT_EQ(start(), std::nullopt);

    EXPECT_TRUE(driver->take_shown_dialogs().empty());
    EXPECT_EQ(w().选择夹1->current_page(), 0);
    EXPECT_EQ(w().状态条1->status_text(1), "在用");
    const std::vector<ListItem> mine = items(*w().超级列表框我的箱子);
    EXPECT_EQ(mine.size(), 2u);
    EXPECT_NE(std::find(mine.begin(), mine.end(), ListItem{"在用", 1}), mine.end());
    EXPECT_NE(std::find(mine.begin(), mine.end(), ListItem{"甲", 0}), mine.end());
    EXPECT_EQ(items(*w().超级列表框保存箱子), (std::vector<ListItem>{{"乙", 0}}));
    EXPECT_EQ(app->state.current_list, w().超级列表框我的箱子.get());
    // Registered once already: a second registration is refused.
    EXPECT_FALSE(w().拖放对象我的箱子->register_on(w().超级列表框我的箱子->window_handle()));
    EXPECT_FALSE(w().拖放对象保存箱子->register_on(w().超级列表框保存箱子->window_handle()));
}

TEST_F(StartUp, AFolderNamedLikeTheSettingsFileCountsAsOne) {
    test::make_folder_on_disk(settings_path());
    EXPECT_EQ(start(), std::nullopt);
    EXPECT_TRUE(driver->take_shown_dialogs().empty());
    EXPECT_EQ(w().选择夹1->current_page(), 0);
}

// The settings file exists but its reads fail (a lock, a disk error): never
// the defaults, whose marker would take another box for the one in the slot.
class UnreadableSettings : public StartUp {
protected:
    // Two reads fail; the first question is answered Retry, the second as given.
    std::optional<int> start_answering(int second_answer) {
        write_standard_settings("别的箱子");
        std::filesystem::remove_all(test::native_path(my_boxes_folder));
        int failing_reads = 2;
        fault_seam::arm([&](fault_seam::FileCall call, std::string_view, std::uint64_t) {
            return call == fault_seam::FileCall::read_file && failing_reads-- > 0;
        });
        driver->answer_message_box(result_retry);
        driver->answer_message_box(second_answer);
        const std::optional<int> ended = start();
        fault_seam::disarm();

        const std::vector<ShownDialog> shown = driver->take_shown_dialogs();
        EXPECT_EQ(shown.size(), 2u);
        for (const ShownDialog& asked : shown) {
            EXPECT_EQ(asked.text, "无法读取设置文件  " + settings_path() + "  ：" + std::strerror(EIO));
            EXPECT_EQ(asked.caption, "错误信息");
            EXPECT_EQ(asked.style, 0x15);  // Retry/Cancel, error icon
        }
        return ended;
    }
};

TEST_F(UnreadableSettings, RetryReadsTheFileAgain) {
    EXPECT_EQ(start_answering(result_retry), std::nullopt);
    EXPECT_EQ(app->state.paths[in_use_marker], "别的箱子");
    EXPECT_TRUE(readme_exists());
}

TEST_F(UnreadableSettings, CancelEndsWithCodeZeroAndWritesNothing) {
    write_standard_settings("别的箱子");
    const std::string settings_before = settings_bytes();
    EXPECT_EQ(start_answering(result_cancel), 0);
    EXPECT_EQ(settings_bytes(), settings_before);
    EXPECT_FALSE(readme_exists());
    EXPECT_FALSE(test::exists_on_disk(my_boxes_folder));
}

TEST_F(StartUp, TheMyBoxFolderIsCreatedOnlyInsideAnExistingBoxFolder) {
    write_standard_settings();
    std::filesystem::remove_all(test::native_path(my_boxes_folder));
    start();
    EXPECT_TRUE(std::filesystem::is_directory(test::native_path(my_boxes_folder)));
}

TEST_F(StartUp, AMissingBoxFolderIsNotCreated) {
    write_standard_settings();
    std::filesystem::remove_all(test::native_path(box_folder));
    EXPECT_EQ(start(), std::nullopt);
    EXPECT_FALSE(test::exists_on_disk(box_folder));
    EXPECT_TRUE(driver->take_shown_dialogs().empty());
}

TEST_F(StartUp, APlainFileNamedMyBoxIsLeftInPlace) {
    write_standard_settings();
    std::filesystem::remove_all(test::native_path(my_boxes_folder));
    test::write_on_disk(my_boxes_folder, "not a folder");
    EXPECT_EQ(start(), std::nullopt);
    EXPECT_EQ(test::read_on_disk(my_boxes_folder), "not a folder");
}

TEST_F(StartUp, TheReadmeIsRewrittenOnEveryStart) {
    write_standard_settings();
    test::write_on_disk(readme_path(), "edited by the user");
    start();
    EXPECT_EQ(test::read_on_disk(readme_path()), readme_bytes());
}

TEST_F(StartUp, TheReadmeButtonKeepsAnExistingReadmeAndRewritesAMissingOne) {
    write_standard_settings();
    start();
    test::write_on_disk(readme_path(), "edited by the user");

    driver->click(*w().超级按钮说明);
    EXPECT_EQ(test::read_on_disk(readme_path()), "edited by the user");

    std::filesystem::remove(test::native_path(readme_path()));
    driver->click(*w().超级按钮说明);
    EXPECT_EQ(test::read_on_disk(readme_path()), readme_bytes());

    const std::vector<ShownDialog> shown = driver->take_shown_dialogs();
    ASSERT_EQ(shown.size(), 2u);
    for (const ShownDialog& opened : shown) {
        EXPECT_EQ(opened.kind, ShownDialog::Kind::shell_open);
        EXPECT_EQ(opened.text, readme_path());
        EXPECT_EQ(opened.caption, "4");
    }
}

TEST_F(StartUp, TheProgramEntryRunsTheCreatedAndShownStepsAndReturnsZero) {
    write_standard_settings();
    test::write_on_disk(readme_path(), "old");
    EXPECT_EQ(program_entry(), 0);
    EXPECT_EQ(test::read_on_disk(readme_path()), readme_bytes());
    EXPECT_TRUE(driver->take_shown_dialogs().empty());
}

TEST_F(StartUp, TheProgramEntryEndsWithCodeZeroWhenTheFirstRunIsCancelled) {
    headless::queue_message_box_answer(result_cancel);
    int exit_code = -1;
    try {
        program_entry();
    } catch (const headless::ProgramEnded& ended) {
        exit_code = ended.exit_code;
    }
    EXPECT_EQ(exit_code, 0);
    EXPECT_FALSE(settings_exist());
    EXPECT_FALSE(readme_exists());
}

}  // namespace
}  // namespace kistvar
