#include "settings/settings_procedures.h"

#include "platform/dialogs.h"
#include "platform/settings_file.h"
#include "platform/text.h"
#include "settings/steam_save_folder.h"

namespace kistvar {

namespace {

constexpr int documents_folder_number = 1;

// Asked for at every use, so the defaults follow a moved documents folder. When
// the folder is unknown the default is the bare relative path.
std::string in_documents(std::string_view relative_path) {
    return special_folder(documents_folder_number) + std::string(relative_path);
}

bool is_zero(std::string_view setting) { return setting == "0"; }

std::string read_key(std::string_view file_bytes, const setting_keys::Key& key, std::string_view default_text) {
    return read_setting_in(file_bytes, key.section, key.name, default_text);
}

// A missing key reads as this, which no stored value can be (values end at a line break).
constexpr std::string_view key_missing = "\n";

std::string read_save_folder(std::string_view file_bytes) {
    std::string stored = read_key(file_bytes, setting_keys::save_folder, key_missing);
    if (stored != key_missing) return stored;
    return save_folder_with_steam_number(in_documents(setting_keys::default_save_folder));
}

// A folder key whose default lies in the documents folder. The folder is asked
// for only when the key is missing: a configured start needs no shell lookup.
std::string read_folder_key(std::string_view file_bytes, const setting_keys::Key& key,
                            std::string_view default_in_documents) {
    std::string value = read_key(file_bytes, key, key_missing);
    return value == key_missing ? in_documents(default_in_documents) : value;
}

language::Language language_in(std::string_view file_bytes) {
    return language::from_setting(read_key(file_bytes, setting_keys::language, ""))
        .value_or(language::of_user_interface());
}

}  // namespace

std::string stash_file_name_for(std::string_view version_setting, std::string_view mode_setting) {
    const bool newer_version = is_zero(version_setting);
    const bool normal_mode = is_zero(mode_setting);
    if (newer_version) return normal_mode ? "sharedstash_v2.bin" : "sharedstashh_v2.bin";
    return normal_mode ? "sharedstash.bin" : "sharedstashh.bin";
}

bool is_stash_file_name(std::string_view file_name) {
    for (const char* version : {"0", "1"})
        for (const char* mode : {"0", "1"})
            if (compare_text(file_name, stash_file_name_for(version, mode), false) == 0) return true;
    return false;
}

bool read_settings(std::string_view settings_file, PathTable& paths, language::Language& language,
                   std::string& unreadable_reason) {
    namespace keys = setting_keys;
    // One read for every key: a read failing halfway would mix the file's
    // values with defaults, and a default marker can name a box that is not
    // in the slot.
    std::string bytes;
    if (!read_settings_file(settings_file, bytes, unreadable_reason)) return false;
    paths[save_folder] = read_save_folder(bytes);
    paths[box_folder] = read_folder_key(bytes, keys::box_folder, keys::default_box_folder);
    paths[version_setting] = read_key(bytes, keys::version, "0");
    paths[mode_setting] = read_key(bytes, keys::mode, "0");
    paths[view_setting] = read_key(bytes, keys::view, "0");
    paths[sort_setting] = read_key(bytes, keys::sort, "0");
    paths[in_use_marker] = read_key(bytes, keys::in_use_marker, keys::default_in_use_marker);
    paths[quiet_setting] = read_key(bytes, keys::quiet, "0");
    language = language_in(bytes);
    return true;
}

bool write_setting_key(std::string_view settings_file, const setting_keys::Key& key, std::string_view value) {
    return write_setting(settings_file, key.section, key.name, value);
}

bool write_in_use_marker(std::string_view settings_file, std::string_view marker) {
    return write_setting_key(settings_file, setting_keys::in_use_marker, marker);
}

void store_display_state(std::string_view settings_file, const PathTable& paths) {
    write_setting_key(settings_file, setting_keys::view, paths[view_setting]);
    write_setting_key(settings_file, setting_keys::sort, paths[sort_setting]);
    write_setting_key(settings_file, setting_keys::in_use_marker, paths[in_use_marker]);
}

}  // namespace kistvar
