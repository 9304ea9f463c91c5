// The name of every text the program shows. Each language's table gives each
// name its words; placeholders such as {title} are filled when shown.
#pragma once

namespace kistvar::language {

enum class Text {
    none,  // no caption

    // The main window.
    window_title, status_in_use, status_my_box, status_copy_of_saved_box, status_other_box_marker,
    readme_tip, options_tip, back_tip, new_box_tip, swap_tip, save_as_tip, delete_tip, refresh_tip,
    contents_tip, my_boxes, saved_boxes,

    // The options page.
    options, save_folder_label, save_folder_hint, box_folder_label, box_folder_hint, choose, version_newer,
    version_older, mode_normal, mode_hardcore, small_icons, large_icons, sort_forward, sort_reverse,
    quiet, save, cancel, chinese, english, choose_folder_title,

    // The pop-up menus.
    menu_swap, menu_save_as, menu_rename, menu_delete, menu_contents, menu_view, menu_sort, menu_refresh,
    menu_open_folder, menu_open_backups_folder, menu_move_across, menu_undo_move,

    // Message box titles and the input box.
    notice_caption, failure_caption, alert_caption, question_caption, game_running_caption,
    default_message_caption, default_input_caption, input_confirm, input_cancel,

    // Starting.
    first_run, settings_unreadable,

    // Swap, names, save as, new box, rename, delete, drop, options.
    swap_move_failed, swap_succeeded, swap_back_occupied, swap_reserved_title, swap_rollback_failed,
    empty_name_reason, name_too_long_reason, forbidden_character_reason, device_name_reason,
    reserved_title_reason, title_taken_reason, box_file_missing_reason, in_use_title_reason,
    settings_unwritable_reason, save_as_caption,
    save_as_prompt, save_as_failed, new_box_created, new_box_failed, rename_failed, delete_question,
    delete_failed, delete_succeeded, drop_not_single_box, drop_replace_question, drop_failed,
    options_box_folder_is_save_folder, game_running_question, backup_failed, backup_failed_reason,
    dropped_file_not_stash_question, swapped_box_not_stash_question, dropped_file_damaged_question,
    swapped_box_damaged_question,

    // What a stash holds.
    problem_cannot_read, problem_too_short, problem_too_large, problem_unknown_version, problem_wrong_length,
    problem_wrong_checksum, problem_damaged_record, problem_bytes_left_over, tab_gear, tab_consumables,
    tab_spells,

    // The contents window and the lists' tips.
    contents_title, search_cue, column_box, column_item, column_stack, column_level, column_place,
    summary_unreadable, summary_empty, summary_items, summary_damaged_records, summary_reading, search_summary,
    search_progress, place, tip_items, tip_separator, tip_reading,

    // Moving items between boxes.
    grid_tip, move_game_running_question, move_failed, undo_failed, move_stale_reason, undo_stale_reason,
    move_not_writable_reason, move_versions_differ_reason, move_no_item_reason, move_wrong_tab_reason,
    move_tab_full_reason, move_write_failed_reason, move_read_back_reason, move_restored, move_not_restored,
    moved_summary, exchanged_summary, undone_summary, in_use_box_choice, my_box_choice, saved_box_choice,

    // Stops of the runtime.
    runtime_caption, runtime_error, runtime_error_code, runtime_error_message, out_of_memory, index_below_one,
    index_out_of_range,

    count  // not a text: how many there are
};

}  // namespace kistvar::language
