// Every message the box library shows, in one place, with the helpers that
// show them. "Quiet" messages are skipped while 选择框信息 is ticked; the box
// is read at the moment the message would appear.
#pragma once

#include <string>
#include <string_view>

#include "app/app.h"
#include "language/language.h"
#include "platform/dialogs.h"

namespace kistvar::messages {

struct Message {
    std::string text;
    std::string_view caption;
    int style;
};

using language::Text;
using language::text;

inline std::string_view notice_caption() { return text(Text::notice_caption); }
inline std::string_view failure_caption() { return text(Text::failure_caption); }
inline std::string_view alert_caption() { return text(Text::alert_caption); }

// Appends the reason of a refusal as a second paragraph.
inline std::string with_reason(std::string text, std::string_view reason) {
    if (!reason.empty()) text.append("\r\n\r\n").append(reason);
    return text;
}

// --- Swap ---------------------------------------------------------------

inline Message swap_move_failed(std::string_view reason = {}) {
    return {with_reason(std::string(text(Text::swap_move_failed)), reason), alert_caption(), style_stop};
}
inline Message swap_succeeded(std::string_view title) {
    return {text(Text::swap_succeeded, {{"title", title}}), notice_caption(), style_information};
}
// The box in use cannot go back: MYBOX already holds a file with its title.
inline Message swap_back_occupied(std::string_view in_use_title) {
    return {text(Text::swap_back_occupied, {{"title", in_use_title}}), alert_caption(), style_stop};
}
// A my box titled like the saved-box state cannot be told apart from it.
inline Message swap_reserved_title() {
    return {text(Text::swap_reserved_title, {{"marker", other_box_marker}}), alert_caption(), style_stop};
}
// Putting the chosen box in failed, and so did putting the previous one back.
inline Message swap_rollback_failed(std::string_view previous_title, std::string_view now_at,
                                    std::string_view reason = {}) {
    return {with_reason(text(Text::swap_rollback_failed, {{"title", previous_title}, {"path", now_at}}), reason),
            alert_caption(), style_stop};
}

// --- Save as, new box, rename, delete ----------------------------------------

inline std::string_view save_as_caption() { return text(Text::save_as_caption); }
inline std::string save_as_prompt(std::string_view title) { return text(Text::save_as_prompt, {{"title", title}}); }
inline Message save_as_failed(std::string_view name) {  // S1
    return {text(Text::save_as_failed, {{"name", name}}), failure_caption(), style_ok};
}
inline Message save_as_name_refused(std::string_view name, std::string_view reason) {
    return {with_reason(text(Text::save_as_failed, {{"name", name}}), reason), failure_caption(), style_stop};
}
inline Message new_box_created() {  // N1
    return {std::string(text(Text::new_box_created)), notice_caption(), style_information};
}
inline Message new_box_failed() {  // N2
    return {std::string(text(Text::new_box_failed)), failure_caption(), style_stop};
}
inline Message rename_failed(std::string_view old_title, std::string_view reason = {}) {
    return {with_reason(text(Text::rename_failed, {{"title", old_title}}), reason), failure_caption(), style_stop};
}
inline Message delete_question(std::string_view title) {  // D1
    return {text(Text::delete_question, {{"title", title}}), notice_caption(), style_question_ok_cancel};
}
inline Message delete_failed(std::string_view title) {  // D2
    return {text(Text::delete_failed, {{"title", title}}), failure_caption(), style_stop};
}
inline Message delete_succeeded(std::string_view title) {  // D3
    return {text(Text::delete_succeeded, {{"title", title}}), notice_caption(), style_information};
}

// --- Drop import ----------------------------------------------------------------

inline Message drop_not_single_box() {  // R1
    return {std::string(text(Text::drop_not_single_box)), alert_caption(), style_stop};
}
inline Message drop_replace_question() {  // R2
    return {std::string(text(Text::drop_replace_question)), notice_caption(), style_question_ok_cancel};
}
inline Message drop_failed(std::string_view title, std::string_view reason = {}) {
    return {with_reason(text(Text::drop_failed, {{"title", title}}), reason), alert_caption(), style_stop};
}

// --- Options ------------------------------------------------------------------

inline Message options_box_folder_is_save_folder() {
    return {std::string(text(Text::options_box_folder_is_save_folder)), alert_caption(), style_stop};
}

// --- Showing ----------------------------------------------------------------------

// Questions, and failures the user must see whatever the check box says.
inline int show(const Message& message) {
    return message_box(message.text, message.style, message.caption);
}
inline void show_unless_quiet(const App& app, const Message& message) {
    if (!app.quiet()) show(message);
}

}  // namespace kistvar::messages
