#include "support/headless/script.h"

#include <utility>

#include "language/language.h"
#include "platform/posix/recycle_folder.h"

namespace kistvar::headless {

void queue_message_box_answer(int result) { script_state().message_box_answers.push_back(result); }
void queue_input_box_answer(std::optional<std::string> text) {
    script_state().input_box_answers.push_back(std::move(text));
}
void queue_folder_answer(std::string path) { script_state().folder_answers.push_back(std::move(path)); }
void queue_popup_answer(ui::MenuItem* item) { script_state().popup_answers.push_back(item); }

int unanswered_dialogs() { return script_state().unanswered; }

int unused_answers() {
    const ScriptState& s = script_state();
    return static_cast<int>(s.message_box_answers.size() + s.input_box_answers.size() +
                            s.folder_answers.size() + s.popup_answers.size());
}

std::vector<Shown> take_shown() { return std::exchange(script_state().shown, {}); }

void set_program_folder(std::string folder) { script_state().program_folder = std::move(folder); }
void set_documents_folder(std::string folder) { script_state().documents_folder = std::move(folder); }
void set_current_time(DateTime moment) { script_state().moment = moment; }

void set_running_processes(std::vector<std::string> program_file_names) {
    script_state().running_processes = std::move(program_file_names);
}

void set_user_interface_chinese(bool chinese) { script_state().user_interface_chinese = chinese; }

void set_recycle_folder(std::string folder) { posix::set_recycle_folder(std::move(folder)); }

void reset() {
    script_state() = ScriptState{};
    language::set_current(language::Language::chinese);
    posix::set_recycle_folder("");
    forget_cleanup();
}

}  // namespace kistvar::headless
