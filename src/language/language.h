// The language the program speaks, and its texts in that language. Chinese
// and English; the choice is made once at start (the stored choice, else
// Windows' user interface language) and again when the options are saved.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "language/text_id.h"
#include "platform/time_text.h"

namespace kistvar::language {

enum class Language { chinese, english };

Language current();
void set_current(Language language);

// The value of the "语言" setting: "zh" or "en"; nothing for any other value.
std::optional<Language> from_setting(std::string_view value);
std::string_view setting_of(Language language);
// Chinese for any Chinese user interface language of Windows, English for every other.
Language of_user_interface();

// The text in the current language.
std::string_view text(Text id);
std::string_view text(Text id, Language language);

using Fill = std::pair<std::string_view, std::string_view>;
// The text with each {name} replaced by its value in one pass, so a value
// that looks like a placeholder stays as it is.
std::string text(Text id, std::initializer_list<Fill> fills);
std::string filled(std::string_view pattern, std::initializer_list<Fill> fills);

// The part of a new box's title that tells when it was made, in the current
// language's form: "2026年12月8日7时9分33秒" or "2026-12-08 07.09.33".
std::string time_title(const DateTime& moment);

}  // namespace kistvar::language
