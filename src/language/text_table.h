// One table per language: each text's name and its words. A table must give
// every name exactly once, with the same placeholders as the Chinese one.
#pragma once

#include <string_view>
#include <vector>

#include "language/text_id.h"

namespace kistvar::language {

struct TextEntry {
    Text id;
    std::string_view text;
};

const std::vector<TextEntry>& chinese_texts();
const std::vector<TextEntry>& english_texts();

}  // namespace kistvar::language
