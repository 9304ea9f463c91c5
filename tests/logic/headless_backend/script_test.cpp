// The headless dialogs and runtime that every logic test leans on: answers
// come from the queue in order, an unexpected dialog is counted, and the
// program's end unwinds to the test.
#include <gtest/gtest.h>

#include "language/runtime_texts.h"
#include "platform/dialogs.h"
#include "platform/runtime.h"
#include "platform/time_text.h"
#include "support/headless/observation.h"
#include "support/headless/script.h"
#include "ui/main_window.h"

namespace kistvar {
namespace {

class HeadlessScript : public ::testing::Test {
protected:
    void SetUp() override { headless::reset(); }
    void TearDown() override { headless::reset(); }
};

TEST_F(HeadlessScript, MessageBoxesAnswerInOrderAndRecordWhatTheyShowed) {
    headless::queue_message_box_answer(result_cancel);
    headless::queue_message_box_answer(result_ok);
    EXPECT_EQ(message_box("删除？", style_question_ok_cancel, "提示信息"), result_cancel);
    EXPECT_EQ(message_box("再删？", style_information_ok_cancel, "提示信息"), result_ok);
    const auto shown = headless::take_shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kind, headless::Shown::Kind::message_box);
    EXPECT_EQ(shown[0].text, "删除？");
    EXPECT_EQ(shown[0].caption, "提示信息");
    EXPECT_EQ(shown[0].style, style_question_ok_cancel);
    EXPECT_TRUE(headless::take_shown().empty());
    EXPECT_EQ(headless::unanswered_dialogs(), 0);
}

TEST_F(HeadlessScript, AnUnansweredBoxIsOkAndCounted) {
    EXPECT_EQ(message_box("成功！", style_information), result_ok);
    EXPECT_EQ(headless::unanswered_dialogs(), 1);
    EXPECT_EQ(headless::take_shown().at(0).caption, "信息：");
}

TEST_F(HeadlessScript, ABoxWithOnlyOkReturnsOkWhenClosed) {
    headless::queue_message_box_answer(result_cancel);
    EXPECT_EQ(message_box("失败！", style_stop, "错误信息"), result_ok);
    EXPECT_EQ(headless::unused_answers(), 0);
}

TEST_F(HeadlessScript, InputBoxConfirmsOrLeavesTheResultAlone) {
    std::string result = "old";
    headless::queue_input_box_answer(std::nullopt);
    headless::queue_input_box_answer("新箱子");
    EXPECT_FALSE(input_box("名字", "", "", result));
    EXPECT_EQ(result, "old");
    EXPECT_TRUE(input_box("名字", "新建", "", result));
    EXPECT_EQ(result, "新箱子");
    const auto shown = headless::take_shown();
    EXPECT_EQ(shown.at(0).caption, "请输入：");
    EXPECT_EQ(shown.at(1).caption, "新建");
}

TEST_F(HeadlessScript, FolderChooserAndShellOpen) {
    headless::queue_folder_answer("D:\\boxes");
    EXPECT_EQ(choose_folder("选择箱子路径"), "D:\\boxes");
    EXPECT_EQ(choose_folder("选择箱子路径"), "");
    EXPECT_EQ(headless::unanswered_dialogs(), 1);
    shell_open(4, "D:\\boxes");
    const auto shown = headless::take_shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].kind, headless::Shown::Kind::shell_open);
    EXPECT_EQ(shown[2].text, "D:\\boxes");
    EXPECT_EQ(shown[2].caption, "4");
}

TEST_F(HeadlessScript, FoldersAndClockAsSet) {
    EXPECT_EQ(special_folder(1), "");
    headless::set_documents_folder("C:\\users\\me\\Documents");
    EXPECT_EQ(special_folder(1), "C:\\users\\me\\Documents\\");
    headless::set_documents_folder("C:\\docs\\");
    EXPECT_EQ(special_folder(1), "C:\\docs\\");
    EXPECT_EQ(special_folder(12), "");
    headless::set_program_folder("C:\\Kistvar");
    EXPECT_EQ(program_folder(), "C:\\Kistvar");
    headless::set_current_time({2020, 1, 2, 3, 4, 5});
    EXPECT_EQ(current_time().second, 5);
}

TEST_F(HeadlessScript, EndProgramRunsTheCleanUpOnceAndUnwinds) {
    int cleanups = 0;
    register_cleanup([&] { ++cleanups; });
    try {
        end_program(0);
        FAIL() << "end_program returned";
    } catch (const headless::ProgramEnded& ended) {
        EXPECT_EQ(ended.exit_code, 0);
    }
    run_cleanup();
    EXPECT_EQ(cleanups, 1);
}

TEST_F(HeadlessScript, RuntimeErrorShowsItsBoxAndSkipsTheCleanUp) {
    int cleanups = 0;
    register_cleanup([&] { ++cleanups; });
    try {
        runtime_error(1, "数组成员引用下标超出定义范围");
        FAIL() << "runtime_error returned";
    } catch (const headless::RuntimeErrorRaised& error) {
        EXPECT_EQ(error.code, 1);
        EXPECT_EQ(error.text, runtime_error_text(1, "数组成员引用下标超出定义范围"));
    }
    EXPECT_EQ(cleanups, 0);
    const auto shown = headless::take_shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "错误");
    EXPECT_EQ(shown[0].style, style_stop);
}

TEST_F(HeadlessScript, OutOfMemoryIsARuntimeErrorWithoutACode) {
    try {
        out_of_memory(4096);
        FAIL() << "out_of_memory returned";
    } catch (const headless::RuntimeErrorRaised& error) {
        EXPECT_EQ(error.code, 0);
        EXPECT_EQ(error.text, runtime_error_text(0, "分配 4096 字节内存失败!"));
    }
}

TEST_F(HeadlessScript, TheWindowIsHiddenUntilShownAndFocusStays) {
    auto window = ui::create_main_window();
    EXPECT_FALSE(headless::window_shown(*window));
    window->超级列表框保存箱子->set_focus();
    window->show_and_run();
    EXPECT_TRUE(headless::window_shown(*window));
    EXPECT_EQ(headless::focused_control(*window), window->超级列表框保存箱子.get());
}

}  // namespace
}  // namespace kistvar
