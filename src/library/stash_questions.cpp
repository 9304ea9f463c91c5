#include "library/stash_questions.h"

#include <string>

#include "contents/contents_texts.h"
#include "language/language.h"
#include "platform/dialogs.h"
#include "stash/stash_file.h"

namespace kistvar {

namespace {

using T = language::Text;

// OK and Cancel, the warning icon, Cancel as the default button: a hasty
// Enter keeps the file out.
constexpr int warning_ok_cancel_default_cancel = 0x131;

// What to ask before the file at `path` goes in: why it is not a readable
// shared stash, or how many of its records cannot be read; the empty text
// for a stash read whole. A file that cannot be read at all asks nothing
// here: the copy or move that follows meets the same trouble and reports it
// as it always has.
std::string question(std::string_view path, T not_stash, T damaged, language::Fill name) {
    const stash::Contents contents = stash::read_stash_file(path);
    if (contents.damaged())
        return language::text(damaged, {name,
                                        {"count", std::to_string(contents.damaged_records)},
                                        {"reason", contents::problem_text(stash::Problem::damaged_record)}});
    if (contents.readable() || contents.problem == stash::Problem::cannot_read) return {};
    return language::text(not_stash, {name, {"reason", contents::problem_text(contents.problem)}});
}

bool agreed(const std::string& text) {
    return text.empty() ||
           message_box(text, warning_ok_cancel_default_cancel, language::text(T::question_caption)) == result_ok;
}

}  // namespace

bool dropped_file_may_go_in(std::string_view path, std::string_view file_name) {
    return agreed(question(path, T::dropped_file_not_stash_question, T::dropped_file_damaged_question, {"name", file_name}));
}

bool box_may_be_swapped_in(std::string_view path, std::string_view title) {
    return agreed(question(path, T::swapped_box_not_stash_question, T::swapped_box_damaged_question, {"title", title}));
}

}  // namespace kistvar
