#include "platform/headless/script_state.h"

#include <utility>

namespace kistvar::headless {

namespace {

template <class Answer>
Answer take_or(std::deque<Answer>& queue, Answer closed) {
    if (queue.empty()) {
        ++script_state().unanswered;
        return closed;
    }
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

ScriptState& script_state() {
    static ScriptState state;
    return state;
}

namespace script {

void record(Shown shown) { script_state().shown.push_back(std::move(shown)); }

int next_message_box_answer() { return take_or(script_state().message_box_answers, 0); }
std::optional<std::string> next_input_box_answer() {
    return take_or<std::optional<std::string>>(script_state().input_box_answers, std::nullopt);
}
std::string next_folder_answer() { return take_or<std::string>(script_state().folder_answers, ""); }
ui::MenuItem* next_popup_answer() { return take_or<ui::MenuItem*>(script_state().popup_answers, nullptr); }

}  // namespace script

}  // namespace kistvar::headless
