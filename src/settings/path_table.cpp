#include "settings/path_table.h"

#include "platform/runtime.h"

namespace kistvar {

namespace {
void check_slot(int slot) {
    if (slot < 1) runtime_error(4, "数组成员引用下标必须大于等于1");
    if (slot > PathTable::size) runtime_error(1, "数组成员引用下标超出定义范围");
}
}  // namespace

std::string& PathTable::operator[](int slot) {
    check_slot(slot);
    return slots_[static_cast<std::size_t>(slot - 1)];
}

const std::string& PathTable::operator[](int slot) const {
    check_slot(slot);
    return slots_[static_cast<std::size_t>(slot - 1)];
}

void PathTable::clear() {
    for (auto& text : slots_) std::string().swap(text);
}

}  // namespace kistvar
