// What a test has set for the headless backend and what the program showed:
// the dialogs take their answers here and record what they showed; the clock,
// the folders, the running processes and Windows' language are read here.
// Tests fill it and read it through their own script (tests/support/headless).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/time_text.h"
#include "ui/controls.h"

namespace kistvar::headless {

struct Shown {
    enum class Kind { message_box, input_box, folder_chooser, popup_menu, shell_open };
    Kind kind;
    std::string text;     // message text, input prompt, chooser title, menu name, opened path
    std::string caption;  // title (shell_open: the action number as text)
    int style = 0;
};

// Its defaults are what a forgetful test cannot hurt the machine with: the
// program folder does not exist (nothing can be written beside the program),
// the documents folder lookup fails, and the clock stands still at a known
// moment.
struct ScriptState {
    std::deque<int> message_box_answers;  // result_ok / result_cancel
    std::deque<std::optional<std::string>> input_box_answers;  // nullopt: Cancel
    std::deque<std::string> folder_answers;                    // empty: Cancel
    std::deque<ui::MenuItem*> popup_answers;                   // nullptr: menu closed
    int unanswered = 0;  // dialogs that found no answer queued
    std::vector<Shown> shown;
    std::string program_folder = "/nonexistent/kistvar";
    std::string documents_folder;  // without a trailing backslash; "": the lookup fails
    DateTime moment{2012, 10, 23, 14, 5, 0};
    std::vector<std::string> running_processes;  // program file names
    bool user_interface_chinese = true;
};

ScriptState& script_state();

namespace script {

void record(Shown shown);

// Each takes the next queued answer of its kind; with none queued it counts an
// unanswered dialog and gives what closing the dialog gives.
int next_message_box_answer();                     // none: OK
std::optional<std::string> next_input_box_answer(); // none: Cancel
std::string next_folder_answer();                  // none: Cancel (empty)
ui::MenuItem* next_popup_answer();                 // none: closed (nullptr)

}  // namespace script

// end_program unwinds to the harness with this.
struct ProgramEnded {
    int exit_code;
};
// runtime_error unwinds with this (the real program shows a box and exits -1).
struct RuntimeErrorRaised {
    int code;
    std::string text;
};
// Forgets the registered clean-up, as a new program run starts without one.
void forget_cleanup();

}  // namespace kistvar::headless
