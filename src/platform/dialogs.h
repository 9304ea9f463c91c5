// Modal dialogs and the shell. Backend-provided: the Win32 backend shows the
// real dialogs; the headless backend answers from a queue a test fills and
// records what was shown.
#pragma once

#include <string>
#include <string_view>

namespace kistvar {

// Message-box style bits used by the logic.
enum MessageStyle : int {
    style_ok = 0,
    style_stop = 0x10,
    style_error_retry_cancel = 0x15,
    style_question_ok_cancel = 0x21,
    style_warning_ok_cancel_default_cancel = 0x131,
    style_information = 0x40,
    style_information_ok_cancel = 0x41,
};
// Results of message_box.
enum MessageResult : int { result_ok = 0, result_cancel = 1, result_abort = 2, result_retry = 3,
                           result_ignore = 4, result_yes = 5, result_no = 6 };

// No owner window; task-modal unless the system-modal bit is set. Every
// caller gives its caption; without one the box says "信息：" (in the current
// language).
int message_box(std::string_view text, int style, std::string_view caption = {});

// Title "请输入：" (in the current language) unless a caption is given. True and `result` set when the
// user confirms; false and `result` untouched on cancel.
bool input_box(std::string_view prompt, std::string_view caption, std::string_view initial_text,
               std::string& result, int input_mode = 1);

// The chosen folder's path, or the empty text.
std::string choose_folder(std::string_view title, bool include_files = false);

// Action 1 edit, 2 explore, 3 find, 4 open, 5 print, other: default. Window
// state 1..6; other values mean normal. Does not wait; reports nothing.
void shell_open(int action, std::string_view path, std::string_view parameters = "",
                std::string_view working_folder = "", int window_state = 2);

// 1..11 (1: documents); always ends in "\"; empty when unknown.
std::string special_folder(int number);
// Folder of the running program file, no trailing "\".
std::string program_folder();

}  // namespace kistvar
