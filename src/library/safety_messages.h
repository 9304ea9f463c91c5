// The messages of what guards a box against the game and against the last
// copy being overwritten: the game guard's question and a failed backup.
#pragma once

#include <string>
#include <string_view>

#include "library/messages.h"

namespace kistvar::messages {

inline Message game_running_question() {
    return {"《火炬之光2》正在运行。载入人物后，游戏存档时会用它内存里的仓库覆盖存档槽，刚换入的箱子会丢失。"
            "\r\n请先退出游戏，或回到标题画面再更换。\r\n仍要更换吗？",
            "游戏正在运行", style_warning_ok_cancel_default_cancel};
}

// The operation did not run: its backup could not be written.
inline Message backup_failed(std::string_view title, std::string_view folder, std::string_view reason) {
    return {with_reason("备份箱子  " + std::string(title) + "  失败，操作已取消！  ToT",
                        "备份文件夹：" + std::string(folder) + "\r\n" + std::string(reason)),
            alert_caption, style_stop};
}

}  // namespace kistvar::messages
