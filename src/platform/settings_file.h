// The settings-file services over our own profile reader and writer: UTF-8
// arguments, GB18030 bytes on disk, writes through a temporary file and one
// atomic replace.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kistvar {

// Leading bytes <= 0x20 of path, section and key are skipped; if any is then
// empty the result is empty and the default is not applied. A missing file,
// section or key gives the default (trailing spaces trimmed, as Windows does).
// At most 10239 bytes of a value come back.
std::string read_setting(std::string_view file_path, std::string_view section, std::string_view key,
                         std::string_view default_text = "");

// The whole file in one read, for a load that must see one state of it. A
// missing file reads as empty. False, with the system's reason, when the file
// exists but cannot be read.
bool read_settings_file(std::string_view file_path, std::string& file_bytes, std::string& reason);
// read_setting over bytes read_settings_file returned.
std::string read_setting_in(std::string_view file_bytes, std::string_view section, std::string_view key,
                            std::string_view default_text = "");

// Arguments are passed on unchanged. No key deletes the section; no value
// deletes the key. A missing file is created, a missing folder fails. False
// leaves the old file intact.
bool write_setting(std::string_view file_path, std::string_view section,
                   std::optional<std::string_view> key, std::optional<std::string_view> value);

}  // namespace kistvar
