// What the player is told of a move or an undo that did not happen, in the
// words of the language, and what the summary line says of one that did.
#pragma once

#include <string>
#include <string_view>

#include "store/item_moves.h"

namespace kistvar::contents {

// "备份箱子  <title>  失败，操作已取消！  ToT" and where and why.
std::string backup_failed_text(const store::Backup& backup);

// Why the item `item` (its name) did not move, or the undo did not happen:
// the refusal or failure and its reason. `backups` is the folder a box
// that could not be put back has its backup in.
std::string move_refusal_text(const store::MoveOutcome& outcome, std::string_view item, stash::Tab tab,
                              std::string_view backups, bool undo);

// The summary after a move: "<item> 已从 <box>（装备 3）移到 <box>（装备 9）", and
// "；<item> 换到了 <box>（装备 3）" when it changed places with another.
struct MovedItem {
    std::string name;
    std::string box;   // its box's title, where it is now
    store::Cell cell;  // where it is now
};
std::string moved_summary(const MovedItem& item, std::string_view from_box, store::Cell from,
                          const MovedItem* exchanged);
// "已撤销移动：<item> 回到 <box>（装备 3）".
std::string undone_summary(const MovedItem& item);

}  // namespace kistvar::contents
