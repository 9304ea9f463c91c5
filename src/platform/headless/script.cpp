#include <deque>
#include <utility>

#include "platform/headless/script_state.h"
#include "language/language.h"
#include "platform/posix/recycle_folder.h"

namespace kistvar::headless {

namespace {

// Defaults a forgetful test cannot hurt the machine with: the program folder
// does not exist (nothing can be written beside the program), the documents
// folder lookup fails, and the clock stands still at a known moment.
constexpr const char* default_program_folder = "/nonexistent/kistvar";
constexpr DateTime default_moment{2012, 10, 23, 14, 5, 0};

struct Script {
    std::deque<int> message_box_answers;
    std::deque<std::optional<std::string>> input_box_answers;
    std::deque<std::string> folder_answers;
    std::deque<ui::MenuItem*> popup_answers;
    int unanswered = 0;
    std::vector<Shown> shown;
    std::string program_folder = default_program_folder;
    std::string documents_folder;
    DateTime moment = default_moment;
    std::vector<std::string> running_processes;
    bool user_interface_chinese = true;
};

Script& the_script() {
    static Script script;
    return script;
}

template <class Answer>
Answer take_or(std::deque<Answer>& queue, Answer closed) {
    if (queue.empty()) {
        ++the_script().unanswered;
        return closed;
    }
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

void queue_message_box_answer(int result) { the_script().message_box_answers.push_back(result); }
void queue_input_box_answer(std::optional<std::string> text) {
    the_script().input_box_answers.push_back(std::move(text));
}
void queue_folder_answer(std::string path) { the_script().folder_answers.push_back(std::move(path)); }
void queue_popup_answer(ui::MenuItem* item) { the_script().popup_answers.push_back(item); }

int unanswered_dialogs() { return the_script().unanswered; }

int unused_answers() {
    const Script& s = the_script();
    return static_cast<int>(s.message_box_answers.size() + s.input_box_answers.size() +
                            s.folder_answers.size() + s.popup_answers.size());
}

std::vector<Shown> take_shown() { return std::exchange(the_script().shown, {}); }

void set_program_folder(std::string folder) { the_script().program_folder = std::move(folder); }
void set_documents_folder(std::string folder) { the_script().documents_folder = std::move(folder); }
void set_current_time(DateTime moment) { the_script().moment = moment; }

void set_running_processes(std::vector<std::string> program_file_names) {
    the_script().running_processes = std::move(program_file_names);
}

void set_user_interface_chinese(bool chinese) { the_script().user_interface_chinese = chinese; }

void set_recycle_folder(std::string folder) { posix::set_recycle_folder(std::move(folder)); }

void reset() {
    the_script() = Script{};
    language::set_current(language::Language::chinese);
    posix::set_recycle_folder("");
    forget_cleanup();
}

namespace script {

void record(Shown shown) { the_script().shown.push_back(std::move(shown)); }

int next_message_box_answer() { return take_or(the_script().message_box_answers, 0); }
std::optional<std::string> next_input_box_answer() {
    return take_or<std::optional<std::string>>(the_script().input_box_answers, std::nullopt);
}
std::string next_folder_answer() { return take_or<std::string>(the_script().folder_answers, ""); }
ui::MenuItem* next_popup_answer() { return take_or<ui::MenuItem*>(the_script().popup_answers, nullptr); }

const std::string& program_folder_setting() { return the_script().program_folder; }
const std::string& documents_folder_setting() { return the_script().documents_folder; }
DateTime clock_setting() { return the_script().moment; }
const std::vector<std::string>& running_processes_setting() { return the_script().running_processes; }
bool user_interface_chinese_setting() { return the_script().user_interface_chinese; }

}  // namespace script

}  // namespace kistvar::headless
