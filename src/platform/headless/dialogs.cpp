// Dialogs and the shell without a screen: each shows nothing, records what the
// program asked and answers from the test's script.
#include "platform/dialogs.h"

#include <string>

#include "language/language.h"
#include "platform/headless/script_state.h"

namespace kistvar {

namespace {
constexpr int button_set_bits = 0xF;
constexpr int ok_button_only = 0;
}  // namespace

int message_box(std::string_view text, int style, std::string_view caption) {
    const std::string_view title = caption.empty() ? language::text(language::Text::default_message_caption) : caption;
    headless::script::record({headless::Shown::Kind::message_box, std::string(text), std::string(title), style});
    const int answer = headless::script::next_message_box_answer();
    // A box with only OK returns OK for Escape and the close button too.
    if ((style & button_set_bits) == ok_button_only) return result_ok;
    return answer;
}

bool input_box(std::string_view prompt, std::string_view caption, std::string_view /*initial_text*/,
               std::string& result, int /*input_mode*/) {
    const std::string_view title = caption.empty() ? language::text(language::Text::default_input_caption) : caption;
    headless::script::record({headless::Shown::Kind::input_box, std::string(prompt), std::string(title)});
    auto typed = headless::script::next_input_box_answer();
    if (!typed) return false;
    result = std::move(*typed);
    return true;
}

std::string choose_folder(std::string_view title, bool /*include_files*/) {
    headless::script::record({headless::Shown::Kind::folder_chooser, std::string(title), ""});
    return headless::script::next_folder_answer();
}

void shell_open(int action, std::string_view path, std::string_view /*parameters*/,
                std::string_view /*working_folder*/, int /*window_state*/) {
    headless::script::record({headless::Shown::Kind::shell_open, std::string(path), std::to_string(action)});
}

std::string special_folder(int number) {
    constexpr int documents = 1;
    if (number != documents) return "";
    std::string folder = headless::script_state().documents_folder;
    if (folder.empty()) return "";
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

std::string program_folder() { return headless::script_state().program_folder; }

}  // namespace kistvar
