// The folder chooser as the test support answers it.
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "support/win32/dialog_answers.h"

namespace kistvar::test::win32 {
namespace {

TEST(FolderChooser, ReturnsTheChosenPathOrTheEmptyTextAndRecordsItsTitle) {
    take_shown();
    queue_folder_answer("C:\\games\\box");
    EXPECT_EQ(choose_folder("选择目录"), "C:\\games\\box");
    queue_folder_answer("");
    EXPECT_EQ(choose_folder("选择目录"), "");
    auto shown = take_shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kind, ShownDialog::Kind::folder_chooser);
    EXPECT_EQ(shown[0].text, "选择目录");
    EXPECT_EQ(unused_answers(), 0);
}

}  // namespace
}  // namespace kistvar::test::win32
