// The two pictures a list item shows.
#pragma once

#include "ui/controls.h"

namespace kistvar {

inline constexpr int ordinary_picture = 0;
inline constexpr int in_use_picture = 1;

// Every operation takes an item showing the in-use picture for the box in use.
// An index that names no item shows the ordinary picture.
inline bool shows_in_use(const ui::ListView& list, int item) {
    return list.get_item_picture(item) == in_use_picture;
}

}  // namespace kistvar
