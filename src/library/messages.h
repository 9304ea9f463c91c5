// Every message the box library shows, in one place, with the helpers that
// show them. "Quiet" messages are skipped while 选择框信息 is ticked; the box
// is read at the moment the message would appear.
#pragma once

#include <string>
#include <string_view>

#include "app/app.h"
#include "platform/dialogs.h"

namespace kistvar::messages {

struct Message {
    std::string text;
    std::string_view caption;
    int style;
};

inline constexpr std::string_view notice_caption = "提示信息";
inline constexpr std::string_view failure_caption = "错误信息";
inline constexpr std::string_view alert_caption = "错误提示";

// Appends the reason of a refusal as a second paragraph.
inline std::string with_reason(std::string text, std::string_view reason) {
    if (!reason.empty()) text.append("\r\n\r\n").append(reason);
    return text;
}

// --- Swap ---------------------------------------------------------------

inline Message swap_move_failed() {
    return {"移动箱子失败！  ToT", alert_caption, style_stop};
}
inline Message swap_succeeded(std::string_view title) {
    return {"置换箱子  " + std::string(title) + "  成功！  ^_^", notice_caption, style_information};
}
// The box in use cannot go back: MYBOX already holds a file with its title.
inline Message swap_back_occupied(std::string_view in_use_title) {
    return {"我的箱子里已有同名箱子  " + std::string(in_use_title) + "  ，移动箱子失败！  ToT",
            alert_caption, style_stop};
}
// A my box titled like the saved-box state cannot be told apart from it.
inline Message swap_reserved_title() {
    return {"箱子名称  " + std::string(other_box_marker) + "  已被保留，置换箱子失败！  ToT",
            alert_caption, style_stop};
}
// Putting the chosen box in failed, and so did putting the previous one back.
inline Message swap_rollback_failed(std::string_view previous_title, std::string_view now_at) {
    return {"移动箱子失败！  ToT\r\n\r\n原来使用的箱子  " + std::string(previous_title) +
                "  现在位于：\r\n" + std::string(now_at),
            alert_caption, style_stop};
}

// --- Names ----------------------------------------------------------------

inline std::string empty_name_reason() { return "名称不能为空。"; }
inline std::string name_too_long_reason(std::size_t longest) {
    return "名称不能超过  " + std::to_string(longest) + "  个字符。";
}
inline std::string forbidden_character_reason() {
    return "名称不能含有  \\ / : * ? \" < > |  或控制字符。";
}
inline std::string device_name_reason(std::string_view name) {
    return "名称  " + std::string(name) + "  是系统保留的设备名。";
}
inline std::string reserved_title_reason() {
    return "名称  " + std::string(other_box_marker) + "  已被保留。";
}
inline std::string title_taken_reason(std::string_view title) {
    return "已有名为  " + std::string(title) + "  的箱子。";
}
inline std::string box_file_missing_reason() { return "找不到箱子文件。"; }
inline std::string in_use_title_reason(std::string_view title) {
    return "名称  " + std::string(title) + "  是正在使用的箱子。";
}

// --- Save as, new box, rename, delete ----------------------------------------

inline constexpr std::string_view save_as_caption = "箱子另存为";
inline std::string save_as_prompt(std::string_view title) {
    return "下面箱子将被另存,请输入一个名称。\r\n\r\n        " + std::string(title);
}
inline Message save_as_failed(std::string_view name) {  // S1
    return {"将选中箱子另存为  " + std::string(name) + "  失败！  ToT", failure_caption, style_ok};
}
inline Message save_as_name_refused(std::string_view name, std::string_view reason) {
    return {with_reason("将选中箱子另存为  " + std::string(name) + "  失败！  ToT", reason),
            failure_caption, style_stop};
}
inline Message new_box_created() {  // N1
    return {"新建我的箱子成功！  ^_^", notice_caption, style_information};
}
inline Message new_box_failed() {  // N2
    return {"新建我的箱子失败！  ToT", failure_caption, style_stop};
}
inline Message rename_failed(std::string_view old_title, std::string_view reason = {}) {
    return {with_reason("重命名箱子  " + std::string(old_title) + "  失败！  ToT", reason),
            failure_caption, style_stop};
}
inline Message delete_question(std::string_view title) {  // D1
    return {"将删除箱子  " + std::string(title) + " ，是否确认删除？", notice_caption,
            style_question_ok_cancel};
}
inline Message delete_failed(std::string_view title) {  // D2
    return {"删除箱子  " + std::string(title) + "  失败！  ToT", failure_caption, style_stop};
}
inline Message delete_succeeded(std::string_view title) {  // D3
    return {"删除箱子  " + std::string(title) + "  成功！  ^_^", notice_caption, style_information};
}

// --- Drop import ----------------------------------------------------------------

inline Message drop_not_single_box() {  // R1
    return {"只接受单个  *.bin  公共箱子文件", alert_caption, style_stop};
}
inline Message drop_replace_question() {  // R2
    return {"已经有相同名字的文件存在，是否覆盖？", notice_caption, style_question_ok_cancel};
}
inline Message drop_failed(std::string_view title, std::string_view reason = {}) {
    return {with_reason("导入箱子  " + std::string(title) + "  失败！  ToT", reason), alert_caption,
            style_stop};
}

// --- Options ------------------------------------------------------------------

inline Message options_box_folder_is_save_folder() {
    return {"箱子路径不能与存档路径相同", alert_caption, style_stop};
}

// --- Showing ----------------------------------------------------------------------

// Questions, and failures the user must see whatever the check box says.
inline int show(const Message& message) {
    return message_box(message.text, message.style, message.caption);
}
inline void show_unless_quiet(const App& app, const Message& message) {
    if (!app.quiet()) show(message);
}

}  // namespace kistvar::messages
