// File names as Windows limits and compares them: at most 255 UTF-16 units
// each, and one file for names that differ only in letter case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kistvar {

inline constexpr std::size_t longest_file_name = 255;  // UTF-16 units

// How many UTF-16 units the UTF-8 text takes (a byte that starts no valid
// sequence counts as one).
std::size_t utf16_units(std::string_view text);
// The longest beginning of the text within `units` UTF-16 units, never cut
// inside a character.
std::string_view first_utf16_units(std::string_view text, std::size_t units);

// `path` (a folder, "\\", a name) with `ending` added to its name, which is cut
// short where need be so that the whole name fits: the name of a file that
// stands beside a file of any name (a temporary copy, a step of a rename).
std::string with_ending_that_fits(std::string_view path, std::string_view ending);

// Whether two names, or two paths, name one file: equal once the letter case
// of every UTF-16 unit is set aside, as Windows' file systems compare them
// ("ящик" is "Ящик", "box" is "BOX"). Backend-provided: Windows' own ordinal
// comparison ignoring case; headless, Unicode's simple case folding.
bool same_file_name(std::string_view a, std::string_view b);

}  // namespace kistvar
