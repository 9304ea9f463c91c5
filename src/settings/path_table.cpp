#include "settings/path_table.h"

#include "language/language.h"
#include "platform/runtime.h"

namespace kistvar {

namespace {
void check_slot(int slot) {
    if (slot < 1) runtime_error(4, language::text(language::Text::index_below_one));
    if (slot > PathTable::size) runtime_error(1, language::text(language::Text::index_out_of_range));
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
