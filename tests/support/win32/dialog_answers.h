// Answers the real Win32 dialogs in tests, on the test's own thread: each
// answer is queued before the action that opens its dialog, and when the
// dialog becomes active it is pressed, typed into or closed as a player would.
// A dialog with no answer queued is closed with its close button (a message
// box with only OK then returns OK; every other dialog counts as cancelled).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/driver.h"

namespace kistvar::test::win32 {

void queue_message_box_answer(int result);                    // result_ok, result_cancel, ...
void queue_input_box_answer(std::optional<std::string> text);  // typed, then confirmed; nullopt: Cancel
void queue_folder_answer(std::string path);                   // empty: Cancel

// What was shown since the last call, shell opens included (and clears the record).
std::vector<ShownDialog> take_shown();
// Answers queued but never asked for.
int unused_answers();

}  // namespace kistvar::test::win32
