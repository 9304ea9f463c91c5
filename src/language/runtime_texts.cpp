#include "language/runtime_texts.h"

#include "language/language.h"

namespace kistvar {

std::string runtime_error_text(int code, std::string_view message) {
    using language::Text;
    std::string text = std::string(language::text(Text::runtime_error)) + "\r\n\r\n";
    if (code != 0) text += language::text(Text::runtime_error_code, {{"code", std::to_string(code)}}) + "\r\n\r\n";
    if (!message.empty()) text += language::text(Text::runtime_error_message, {{"message", message}}) + "\r\n";
    return text;
}

std::string out_of_memory_message(std::size_t bytes_requested) {
    return language::text(language::Text::out_of_memory, {{"bytes", std::to_string(bytes_requested)}});
}

}  // namespace kistvar
