#include "language/language.h"

#include <array>

#include "language/text_table.h"
#include "platform/user_language.h"

namespace kistvar::language {

namespace {

Language current_language = Language::chinese;

using Indexed = std::array<std::string_view, static_cast<std::size_t>(Text::count)>;

Indexed indexed(const std::vector<TextEntry>& table) {
    Indexed by_id{};
    for (const TextEntry& entry : table) by_id.at(static_cast<std::size_t>(entry.id)) = entry.text;
    return by_id;
}

const Indexed& texts_of(Language language) {
    static const Indexed chinese = indexed(chinese_texts());
    static const Indexed english = indexed(english_texts());
    return language == Language::english ? english : chinese;
}

}  // namespace

Language current() { return current_language; }
void set_current(Language language) { current_language = language; }

std::optional<Language> from_setting(std::string_view value) {
    if (value == "zh") return Language::chinese;
    if (value == "en") return Language::english;
    return std::nullopt;
}

std::string_view setting_of(Language language) { return language == Language::english ? "en" : "zh"; }

Language of_user_interface() { return user_interface_is_chinese() ? Language::chinese : Language::english; }

std::string_view text(Text id, Language language) { return texts_of(language)[static_cast<std::size_t>(id)]; }
std::string_view text(Text id) { return text(id, current_language); }

std::string filled(std::string_view pattern, std::initializer_list<Fill> fills) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size();) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) {
            result += pattern.substr(at);
            break;
        }
        result += pattern.substr(at, open - at);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const Fill* fill = nullptr;
        for (const Fill& candidate : fills)
            if (candidate.first == name) fill = &candidate;
        if (fill) {
            result += fill->second;
            at = close + 1;
        } else {  // not a placeholder: the brace is ordinary text
            result += '{';
            at = open + 1;
        }
    }
    return result;
}

std::string text(Text id, std::initializer_list<Fill> fills) { return filled(text(id), fills); }

std::string time_title(const DateTime& moment) {
    return current_language == Language::chinese ? time_to_text(moment) : sortable_time_text(moment);
}

}  // namespace kistvar::language
