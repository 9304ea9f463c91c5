#include "stash/stash_contents.h"

namespace kistvar::stash {

std::string problem_text(Problem problem) {
    switch (problem) {
        case Problem::none: return {};
        case Problem::cannot_read: return "无法读取文件";
        case Problem::too_short: return "文件太短";
        case Problem::too_large: return "文件太大";
        case Problem::unknown_version: return "未知的版本";
        case Problem::wrong_length: return "文件长度不符";
        case Problem::wrong_checksum: return "校验和不符";
        case Problem::damaged_record: return "物品记录已损坏";
        case Problem::bytes_left_over: return "文件末尾有多余的数据";
    }
    return {};
}

std::string tab_name(Tab tab) {
    switch (tab) {
        case Tab::gear: return "装备";
        case Tab::consumables: return "消耗品";
        case Tab::spells: return "法术";
        case Tab::other: return {};
    }
    return {};
}

}  // namespace kistvar::stash
