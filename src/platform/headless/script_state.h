// The backend's side of the test script (script.h): the dialogs take their
// answers here and record what they showed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/headless/script.h"

namespace kistvar::headless::script {

void record(Shown shown);

// Each takes the next queued answer of its kind; with none queued it counts an
// unanswered dialog and gives what closing the dialog gives.
int next_message_box_answer();                     // none: OK
std::optional<std::string> next_input_box_answer(); // none: Cancel
std::string next_folder_answer();                  // none: Cancel (empty)
ui::MenuItem* next_popup_answer();                 // none: closed (nullptr)

const std::string& program_folder_setting();
const std::string& documents_folder_setting();
DateTime clock_setting();
const std::vector<std::string>& running_processes_setting();
bool user_interface_chinese_setting();

}  // namespace kistvar::headless::script

namespace kistvar::headless {
// Forgets the registered clean-up (part of reset()).
void forget_cleanup();
}  // namespace kistvar::headless
