#include "library/stash_questions.h"

#include <string>

#include "contents/contents_texts.h"
#include "language/language.h"
#include "platform/dialogs.h"
#include "stash/stash_file.h"

namespace kistvar {

namespace {

// OK and Cancel, the warning icon, Cancel as the default button: a hasty
// Enter keeps the file out.
constexpr int warning_ok_cancel_default_cancel = 0x131;

// The reason the file at `path` is not a readable shared stash, or the empty
// text. A file that cannot be read at all asks nothing here: the copy or move
// that follows meets the same trouble and reports it as it always has.
std::string reason_to_ask(std::string_view path) {
    const stash::Contents contents = stash::read_stash_file(path);
    if (contents.readable() || contents.problem == stash::Problem::cannot_read) return {};
    return contents::problem_text(contents.problem);
}

bool agreed(const std::string& text) {
    return message_box(text, warning_ok_cancel_default_cancel, language::text(language::Text::question_caption)) ==
           result_ok;
}

}  // namespace

bool dropped_file_may_go_in(std::string_view path, std::string_view file_name) {
    const std::string reason = reason_to_ask(path);
    return reason.empty() ||
           agreed(language::text(language::Text::dropped_file_not_stash_question, {{"name", file_name}, {"reason", reason}}));
}

bool box_may_be_swapped_in(std::string_view path, std::string_view title) {
    const std::string reason = reason_to_ask(path);
    return reason.empty() ||
           agreed(language::text(language::Text::swapped_box_not_stash_question, {{"title", title}, {"reason", reason}}));
}

}  // namespace kistvar
