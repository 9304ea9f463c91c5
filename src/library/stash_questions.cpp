#include "library/stash_questions.h"

#include <string>

#include "platform/dialogs.h"
#include "stash/stash_file.h"

namespace kistvar {

namespace {

constexpr std::string_view question_caption = "提示窗口";
// OK and Cancel, the warning icon, Cancel as the default button: a hasty
// Enter keeps the file out.
constexpr int warning_ok_cancel_default_cancel = 0x131;

// The reason the file at `path` is not a readable shared stash, or the empty
// text. A file that cannot be read at all asks nothing here: the copy or move
// that follows meets the same trouble and reports it as it always has.
std::string reason_to_ask(std::string_view path) {
    const stash::Contents contents = stash::read_stash_file(path);
    if (contents.readable() || contents.problem == stash::Problem::cannot_read) return {};
    return stash::problem_text(contents.problem);
}

bool agreed(const std::string& text) {
    return message_box(text, warning_ok_cancel_default_cancel, question_caption) == result_ok;
}

}  // namespace

bool dropped_file_may_go_in(std::string_view path, std::string_view file_name) {
    const std::string reason = reason_to_ask(path);
    return reason.empty() || agreed("文件  " + std::string(file_name) + "  不是可读的共享仓库文件（" + reason +
                                    "）。仍要导入吗？");
}

bool box_may_be_swapped_in(std::string_view path, std::string_view title) {
    const std::string reason = reason_to_ask(path);
    return reason.empty() || agreed("箱子  " + std::string(title) + "  不是可读的共享仓库文件（" + reason +
                                    "）。游戏可能无法读取它。仍要更换吗？");
}

}  // namespace kistvar
