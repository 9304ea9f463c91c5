// The real message box under the program's numbering and modality rules.
#include <gtest/gtest.h>

#include "dialogs_window_probe.h"
#include "platform/dialogs.h"
#include "support/win32/dialog_answers.h"

namespace kistvar::test::win32 {
namespace {

constexpr int task_modal = 0x2000;
constexpr int system_modal = 0x1000;
constexpr int yes_no = 0x4;
constexpr int abort_retry_ignore = 0x2;

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { take_shown(); }
    void TearDown() override { EXPECT_EQ(unused_answers(), 0); }
};

TEST_F(MessageBoxTest, PressedButtonComesBackInTheProgramsNumbering) {
    queue_message_box_answer(result_ok);
    EXPECT_EQ(message_box("OK?", style_question_ok_cancel, "提示信息"), result_ok);
    queue_message_box_answer(result_cancel);
    EXPECT_EQ(message_box("OK?", style_question_ok_cancel, "提示信息"), result_cancel);
    queue_message_box_answer(result_no);
    EXPECT_EQ(message_box("Yes?", yes_no), result_no);
    queue_message_box_answer(result_yes);
    EXPECT_EQ(message_box("Yes?", yes_no), result_yes);
    queue_message_box_answer(result_ignore);
    EXPECT_EQ(message_box("Again?", abort_retry_ignore), result_ignore);
    queue_message_box_answer(result_abort);
    EXPECT_EQ(message_box("Again?", abort_retry_ignore), result_abort);
}

TEST_F(MessageBoxTest, CloseButtonIsCancelWhenThereIsOneAndOkOtherwise) {
    EXPECT_EQ(message_box("closed", style_question_ok_cancel), result_cancel);
    EXPECT_EQ(message_box("closed", style_information_ok_cancel), result_cancel);
    EXPECT_EQ(message_box("closed", style_information), result_ok);
}

TEST_F(MessageBoxTest, TaskModalUnlessSystemModal) {
    message_box("a", style_information);
    message_box("b", style_stop | system_modal);
    auto shown = take_shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].style, style_information | task_modal);
    EXPECT_EQ(shown[1].style, style_stop | system_modal);
}

TEST_F(MessageBoxTest, ShowsTheTextAndCaptionItWasGiven) {
    std::string caption_seen, text_seen;
    DialogWindowProbe probe([&](HWND box) {
        caption_seen = window_text(box);
        text_seen = message_box_text(box);
    });
    queue_message_box_answer(result_ok);
    message_box("箱子「宝石」更换  成功！  ^_^", style_information, "提示信息");
    EXPECT_TRUE(probe.looked());
    EXPECT_EQ(caption_seen, "提示信息");
    EXPECT_EQ(text_seen, "箱子「宝石」更换  成功！  ^_^");

    auto shown = take_shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, ShownDialog::Kind::message_box);
    EXPECT_EQ(shown[0].text, "箱子「宝石」更换  成功！  ^_^");
    EXPECT_EQ(shown[0].caption, "提示信息");
}

// A title with no space in it cannot wrap: one too wide for the screen is
// shortened in its middle with "…", so that the box stays on the screen.
TEST_F(MessageBoxTest, ALongTitleIsShortenedInItsMiddleToKeepTheBoxOnTheScreen) {
    auto repeated = [](std::string_view piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) text += piece;
        return text;
    };
    const std::string titles[] = {"first" + repeated("x", 241) + "last", "首" + repeated("箱", 249) + "尾"};
    for (const std::string& title : titles) {
        const std::string text = "置换箱子  " + title + "  成功！  ^_^";
        std::string text_seen;
        RECT box{};
        DialogWindowProbe probe([&](HWND dialog) {
            text_seen = message_box_text(dialog);
            GetWindowRect(dialog, &box);
        });
        message_box(text, style_information, "提示信息");
        ASSERT_TRUE(probe.looked());
        EXPECT_GE(box.left, 0) << text_seen;
        EXPECT_LE(box.right, GetSystemMetrics(SM_CXSCREEN)) << text_seen;
        EXPECT_TRUE(text_seen.starts_with("置换箱子  " + title.substr(0, 12))) << text_seen;
        EXPECT_TRUE(text_seen.ends_with(title.substr(title.size() - 12) + "  成功！  ^_^")) << text_seen;
        EXPECT_NE(text_seen.find("…"), std::string::npos) << text_seen;
        // What the program asked to show is told as it was.
        const auto shown = take_shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, text);
    }
}

TEST_F(MessageBoxTest, LeftOutCaptionIsTheInformationTitle) {
    std::string caption_seen;
    DialogWindowProbe probe([&](HWND box) { caption_seen = window_text(box); });
    message_box("x", style_ok);
    EXPECT_EQ(caption_seen, "信息：");
}

TEST_F(MessageBoxTest, MainWindowTakesNoInputWhileTheBoxIsOpen) {
    StandInMainWindow main_window;
    bool enabled_while_open = true;
    DialogWindowProbe probe([&](HWND) { enabled_while_open = IsWindowEnabled(main_window.handle()); });
    message_box("x", style_information);
    EXPECT_TRUE(probe.looked());
    EXPECT_FALSE(enabled_while_open);
    EXPECT_TRUE(IsWindowEnabled(main_window.handle()));
}

}  // namespace
}  // namespace kistvar::test::win32
