// How a test steers the headless backend: the answers of the next dialogs,
// the program folder, the documents folder and the clock; and what the
// program showed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/headless/script_state.h"
#include "platform/time_text.h"
#include "ui/controls.h"

namespace kistvar::headless {

void queue_message_box_answer(int result);                  // result_ok / result_cancel
void queue_input_box_answer(std::optional<std::string> text);  // nullopt: Cancel
void queue_folder_answer(std::string path);                 // empty: Cancel
void queue_popup_answer(ui::MenuItem* item);                // nullptr: menu closed
// A dialog with no queued answer is answered OK / Cancel / empty / closed and
// counted, so a test can assert that nothing unexpected was asked.
int unanswered_dialogs();
int unused_answers();
std::vector<Shown> take_shown();

void set_program_folder(std::string folder);
void set_documents_folder(std::string folder_without_trailing_backslash);  // "" : lookup fails
void set_current_time(DateTime moment);
// The program file names of the processes that run beside the program.
void set_running_processes(std::vector<std::string> program_file_names);
// Windows' user interface language: Chinese (the default) or another.
void set_user_interface_chinese(bool chinese);
// Where deleted files go (program form); none set: no Recycle Bin.
void set_recycle_folder(std::string folder);

// Forgets every queued answer, record and setting.
void reset();

}  // namespace kistvar::headless
