// The words for what a box holds, in the current language (the Chinese forms
// below): what the contents window and the lists' info tips show, and the
// reasons the questions about a file that is no stash give.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "stash/stash_contents.h"

namespace kistvar::contents {

// Why a file is not a readable shared stash, in the words the window and the
// questions use.
std::string problem_text(stash::Problem problem);
// "装备", "消耗品", "法术"; the empty text for other.
std::string tab_name(stash::Tab tab);

// "<title>：<n> 件物品（装备 <a>，消耗品 <b>，法术 <c>）", "<title>：空箱子" or
// "<title>：不是可读的共享仓库文件（<reason>）"; a box with damaged records
// adds "，另有 <k> 条物品记录无法读取（<reason>）".
std::string box_summary(std::string_view title, const stash::Contents& contents);
// "<title>：读取中…": the box is being read.
std::string box_reading_summary(std::string_view title);
// "<k> 件物品，在 <m> 个箱子里".
std::string search_summary(std::size_t items, std::size_t boxes);
// The line that stands in the summary while a search reads.
std::string search_progress(std::size_t boxes_done, std::size_t boxes);
// "装备 12"; the empty text for an item without a known place.
std::string place_text(const stash::Item& item);
// The info tip of a box in a list: "<n> 件物品：" and the first six names
// joined by "、" (with "…" when there are more); an empty, unreadable or
// damaged box gets its summary.
std::string box_tip(std::string_view title, const stash::Contents& contents);
// "读取中…": the tip of a box being read.
std::string reading_tip();

}  // namespace kistvar::contents
