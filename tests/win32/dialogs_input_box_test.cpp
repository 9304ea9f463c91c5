// The input box: its parts as the player sees them, typing, confirming and
// cancelling, and the input modes.
#include <gtest/gtest.h>

#include "dialogs_window_probe.h"
#include "platform/dialogs.h"
#include "platform/win32/dialogs_input_box.h"
#include "support/win32/dialog_answers.h"

namespace kistvar::test::win32 {
namespace {

namespace parts = kistvar::win32::input_box_parts;

class InputBoxTest : public ::testing::Test {
protected:
    void SetUp() override { take_shown(); }
    void TearDown() override { EXPECT_EQ(unused_answers(), 0); }

    // The text that comes back when `typed` is typed in the given mode.
    std::string typed_in_mode(const std::string& typed, int mode) {
        queue_input_box_answer(typed);
        std::string result = "unchanged";
        EXPECT_TRUE(input_box("", "", "", result, mode));
        return result;
    }
};

TEST_F(InputBoxTest, ConfirmedTextIsStoredAndReported) {
    queue_input_box_answer("新的箱子");
    std::string result = "old";
    EXPECT_TRUE(input_box("请输入新箱子的名字", "", "", result));
    EXPECT_EQ(result, "新的箱子");
}

TEST_F(InputBoxTest, CancelAndCloseLeaveTheVariableAlone) {
    std::string result = "old";
    queue_input_box_answer(std::nullopt);
    EXPECT_FALSE(input_box("prompt", "", "initial", result));
    EXPECT_EQ(result, "old");
    // No answer queued: closed with the close button.
    EXPECT_FALSE(input_box("prompt", "", "initial", result));
    EXPECT_EQ(result, "old");
}

TEST_F(InputBoxTest, InitialTextStartsSelectedSoTypingReplacesIt) {
    std::string result;
    queue_input_box_answer("abc");
    EXPECT_TRUE(input_box("", "", "2012年10月23日", result));
    EXPECT_EQ(result, "abc");
    queue_input_box_answer("");
    EXPECT_TRUE(input_box("", "", "xyz", result));
    EXPECT_EQ(result, "");
}

TEST_F(InputBoxTest, ShowsPromptInAFrameAboveTheEditAndTheTwoButtons) {
    std::string caption, prompt, edit_text, confirm, cancel;
    bool frame_above_edit = false, confirm_is_default = false, edit_has_focus = false;
    DWORD selection_start = 1, selection_end = 0;
    DialogWindowProbe probe([&](HWND dialog) {
        caption = window_text(dialog);
        prompt = window_text(GetDlgItem(dialog, parts::prompt));
        HWND edit = GetDlgItem(dialog, parts::edit);
        edit_text = window_text(edit);
        confirm = window_text(GetDlgItem(dialog, IDOK));
        cancel = window_text(GetDlgItem(dialog, IDCANCEL));
        RECT frame{}, edit_box{}, text{};
        GetWindowRect(GetDlgItem(dialog, parts::prompt_frame), &frame);
        GetWindowRect(GetDlgItem(dialog, parts::prompt), &text);
        GetWindowRect(edit, &edit_box);
        frame_above_edit = frame.bottom <= edit_box.top && text.top >= frame.top && text.bottom <= frame.bottom;
        confirm_is_default = LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)) == IDOK;
        edit_has_focus = GetFocus() == edit;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection_start),
                     reinterpret_cast<LPARAM>(&selection_end));
    });
    std::string result;
    EXPECT_FALSE(input_box("请输入新箱子的名字", "", "箱子1", result));

    ASSERT_TRUE(probe.looked());
    EXPECT_EQ(caption, "请输入：");
    EXPECT_EQ(prompt, "请输入新箱子的名字");
    EXPECT_EQ(edit_text, "箱子1");
    EXPECT_EQ(confirm, "确认输入(&O)");
    EXPECT_EQ(cancel, "取消(&C)");
    EXPECT_TRUE(frame_above_edit);
    EXPECT_TRUE(confirm_is_default);
    EXPECT_TRUE(edit_has_focus);
    EXPECT_EQ(selection_start, 0u);
    EXPECT_EQ(selection_end, 3u);  // UTF-16 units of "箱子1"

    auto shown = take_shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, ShownDialog::Kind::input_box);
    EXPECT_EQ(shown[0].text, "请输入新箱子的名字");
    EXPECT_EQ(shown[0].caption, "请输入：");
}

TEST_F(InputBoxTest, GivenCaptionReplacesTheTitleAndNoPromptMeansNoFrame) {
    std::string caption;
    bool has_frame = true, has_prompt = true;
    DialogWindowProbe probe([&](HWND dialog) {
        caption = window_text(dialog);
        has_frame = GetDlgItem(dialog, parts::prompt_frame) != nullptr;
        has_prompt = GetDlgItem(dialog, parts::prompt) != nullptr;
    });
    std::string result;
    input_box("", "重命名", "", result);
    EXPECT_EQ(caption, "重命名");
    EXPECT_FALSE(has_frame);
    EXPECT_FALSE(has_prompt);
}

TEST_F(InputBoxTest, NumberModesIgnoreOtherTypedCharacters) {
    EXPECT_EQ(typed_in_mode("a1-2.b3 箱", 2), "1-23");
    EXPECT_EQ(typed_in_mode("a1-2.b3 箱", 3), "1-2.3");
    EXPECT_EQ(typed_in_mode("a1-2.b3 箱", 1), "a1-2.b3 箱");
    EXPECT_EQ(typed_in_mode("a1-2.b3 箱", 0), "a1-2.b3 箱");  // counts as 1
}

TEST_F(InputBoxTest, PasswordModeMasksAndModesAboveFourCountAsFour) {
    for (int mode : {4, 9}) {
        bool masked = false;
        DialogWindowProbe probe([&](HWND dialog) {
            masked = GetWindowLongPtrW(GetDlgItem(dialog, parts::edit), GWL_STYLE) & ES_PASSWORD;
        });
        EXPECT_EQ(typed_in_mode("geheim", mode), "geheim");
        EXPECT_TRUE(masked) << "mode " << mode;
    }
}

TEST_F(InputBoxTest, ProgramWindowsAreDisabledWhileOpenAndGetTheirStateBack) {
    StandInMainWindow main_window;
    StandInMainWindow already_disabled;
    EnableWindow(already_disabled.handle(), FALSE);
    SetActiveWindow(main_window.handle());
    bool main_enabled_while_open = true;
    HWND owner = nullptr;
    DialogWindowProbe probe([&](HWND dialog) {
        main_enabled_while_open = IsWindowEnabled(main_window.handle());
        owner = GetWindow(dialog, GW_OWNER);
    });
    std::string result;
    input_box("", "", "", result);
    EXPECT_FALSE(main_enabled_while_open);
    EXPECT_EQ(owner, main_window.handle());
    EXPECT_TRUE(IsWindowEnabled(main_window.handle()));
    EXPECT_FALSE(IsWindowEnabled(already_disabled.handle()));
    EXPECT_EQ(GetActiveWindow(), main_window.handle());
}

}  // namespace
}  // namespace kistvar::test::win32
