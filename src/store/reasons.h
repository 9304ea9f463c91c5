// Why the store refuses a name or a title, in the words of the current
// language: the second paragraph of the message the window shows.
#pragma once

#include <string>
#include <string_view>

#include "language/language.h"
#include "platform/files.h"
#include "settings/path_table.h"

namespace kistvar::store::reasons {

using language::Text;
using language::text;

inline std::string empty_name() { return std::string(text(Text::empty_name_reason)); }
inline std::string name_too_long(std::size_t longest) {
    return text(Text::name_too_long_reason, {{"count", std::to_string(longest)}});
}
inline std::string forbidden_character() { return std::string(text(Text::forbidden_character_reason)); }
inline std::string device_name(std::string_view name) { return text(Text::device_name_reason, {{"name", name}}); }
inline std::string reserved_title() { return text(Text::reserved_title_reason, {{"marker", other_box_marker}}); }
inline std::string title_taken(std::string_view title) { return text(Text::title_taken_reason, {{"title", title}}); }
inline std::string box_file_missing() { return std::string(text(Text::box_file_missing_reason)); }
inline std::string in_use_title(std::string_view title) {
    return text(Text::in_use_title_reason, {{"title", title}});
}
// The settings file did not take the in-use marker, for the reason of the
// last file call that failed.
inline std::string marker_not_stored(std::string_view settings_file) {
    return text(Text::settings_unwritable_reason, {{"path", settings_file}, {"reason", last_failure_reason()}});
}

}  // namespace kistvar::store::reasons
