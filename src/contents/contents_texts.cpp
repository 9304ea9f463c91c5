#include "contents/contents_texts.h"

namespace kistvar::contents {

namespace {

constexpr std::size_t names_in_tip = 6;

std::string number(std::size_t n) { return std::to_string(n); }

}  // namespace

std::string box_summary(std::string_view title, const stash::Contents& contents) {
    std::string text = std::string(title) + "：";
    if (!contents.readable())
        return text + "不是可读的共享仓库文件（" + stash::problem_text(contents.problem) + "）";
    if (contents.items.empty()) return text + "空箱子";
    std::size_t gear = 0, consumables = 0, spells = 0;
    for (const stash::Item& item : contents.items) {
        gear += item.tab == stash::Tab::gear;
        consumables += item.tab == stash::Tab::consumables;
        spells += item.tab == stash::Tab::spells;
    }
    return text + number(contents.items.size()) + " 件物品（装备 " + number(gear) + "，消耗品 " +
           number(consumables) + "，法术 " + number(spells) + "）";
}

std::string search_summary(std::size_t items, std::size_t boxes) {
    return number(items) + " 件物品，在 " + number(boxes) + " 个箱子里";
}

std::string search_progress(std::size_t boxes_done, std::size_t boxes) {
    return "正在读取箱子 " + number(boxes_done) + " / " + number(boxes) + " …";
}

std::string place_text(const stash::Item& item) {
    if (item.tab == stash::Tab::other || item.place == 0) return {};
    return stash::tab_name(item.tab) + " " + number(static_cast<std::size_t>(item.place));
}

std::string item_name_text(const stash::Item& item) {
    return item.known_layout ? item.name : "（未知物品）";
}

std::string box_tip(std::string_view title, const stash::Contents& contents) {
    if (!contents.readable() || contents.items.empty()) return box_summary(title, contents);
    std::string tip = number(contents.items.size()) + " 件物品：";
    for (std::size_t i = 0; i < contents.items.size() && i < names_in_tip; ++i)
        tip += (i ? "、" : "") + item_name_text(contents.items[i]);
    if (contents.items.size() > names_in_tip) tip += "…";
    return tip;
}

}  // namespace kistvar::contents
