// The name an item shows in the game, made from the name and templates stored
// in its record.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::stash {

// A template holding "[ITEM]" has it (the first one) replaced by the name so
// far (prefix first, then suffix); an empty template, or one without
// "[ITEM]", adds nothing. A name is never longer than its three strings.
std::string apply_templates(std::string name, std::string_view prefix, std::string_view suffix);

// Drops the colour codes "|cAARRGGBB" and "|u" and turns non-breaking spaces
// into plain ones, so names read and search as the game shows them.
std::string displayable_name(std::string_view name);

// Lower case for Latin (ASCII and Latin-1) and Cyrillic letters; every other
// character as it is. Names hold English and Russian side by side.
std::string fold_case(std::string_view text);
// The same, added to the end of `folded`.
void append_folded(std::string& folded, std::string_view text);

}  // namespace kistvar::stash
