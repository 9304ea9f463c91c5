#include "stash/stash_contents.h"

#include "stash/item_names.h"

namespace kistvar::stash {

void Contents::add_item(Item item) {
    folded_starts.push_back(folded_names.size());
    append_folded(folded_names, item.name);
    folded_names += '\n';
    items.push_back(std::move(item));
}

}  // namespace kistvar::stash
