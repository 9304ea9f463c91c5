// The folder chooser: the system's picker, answered by typing a path.
#include <gtest/gtest.h>

#include "dialogs_window_probe.h"
#include "platform/dialogs.h"
#include "support/temp_folder.h"
#include "support/win32/dialog_answers.h"

namespace kistvar::test::win32 {
namespace {

class FolderChooserTest : public ::testing::Test {
protected:
    void SetUp() override { take_shown(); }
    void TearDown() override { EXPECT_EQ(unused_answers(), 0); }
};

TEST_F(FolderChooserTest, TypedFolderComesBackAsItsFullPath) {
    TempFolder temp;
    std::string box_folder = temp / "箱子 box";
    make_folder_on_disk(box_folder);
    queue_folder_answer(box_folder);
    EXPECT_EQ(choose_folder("选择目录"), box_folder);

    auto shown = take_shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, ShownDialog::Kind::folder_chooser);
    EXPECT_EQ(shown[0].text, "选择目录");
}

TEST_F(FolderChooserTest, CancelGivesTheEmptyText) {
    queue_folder_answer("");
    EXPECT_EQ(choose_folder("选择目录"), "");
    EXPECT_EQ(choose_folder("选择目录"), "");  // closed with the close button
}

TEST_F(FolderChooserTest, ProgramWindowsAreDisabledWhileOpenAndTheActiveOneComesBack) {
    StandInMainWindow main_window;
    SetActiveWindow(main_window.handle());
    bool enabled_while_open = true;
    std::string title;
    DialogWindowProbe probe([&](HWND dialog) {
        enabled_while_open = IsWindowEnabled(main_window.handle());
        title = window_text(dialog);
    });
    choose_folder("选择目录");
    EXPECT_TRUE(probe.looked());
    EXPECT_EQ(title, "选择目录");
    EXPECT_FALSE(enabled_while_open);
    EXPECT_TRUE(IsWindowEnabled(main_window.handle()));
    EXPECT_EQ(GetActiveWindow(), main_window.handle());
}

}  // namespace
}  // namespace kistvar::test::win32
