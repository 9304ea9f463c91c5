// Matching of a file name against a last path part holding "*" and "?", the
// way a Windows directory search does it: case-insensitive, "?" standing for
// one character, "*.*" for every name.
#pragma once

#include <string_view>

namespace kistvar::posix {

bool has_wildcard(std::string_view pattern);
bool matches_wildcard(std::string_view name, std::string_view pattern);

}  // namespace kistvar::posix
