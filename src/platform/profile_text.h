// Private-profile (INI) text with the Windows profile semantics: a pure
// transformation of the file's bytes, so the same rules hold on every platform.
// Reading never fails; writing edits the text in place, keeping every line it
// does not change byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kistvar::profile_text {

// The value of `key` in `section` (names matched case-insensitively, first
// match wins), quotes stripped as Windows does; nullopt when the section or
// key is missing. Names are given and compared as the file's own bytes.
std::optional<std::string> read_value(std::string_view file_bytes, std::string_view section,
                                      std::string_view key);

// The file after writing. No key: the whole section is removed. No value: the
// key is removed. Otherwise the key's line is replaced, or a new key line goes
// after the last key line of the section, or a new section is appended.
// Lines end in CR LF.
std::string write_value(std::string_view file_bytes, std::string_view section,
                        std::optional<std::string_view> key, std::optional<std::string_view> value);

}  // namespace kistvar::profile_text
