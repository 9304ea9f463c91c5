// A library of thousands of boxes fills its list quickly.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>

#include "support/driver.h"
#include "ui/main_window.h"

namespace kistvar::test {
namespace {

TEST(ListSpeed, ThreeThousandTitlesFillTheListInUnderASecond) {
    auto window = ui::create_main_window();
    auto driver = make_driver(*window);
    ui::ListView& list = *window->超级列表框保存箱子;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3000; ++i) list.insert_item(-1, "box " + std::to_string((i * 7919) % 3000), 0);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(took).count(), 1000);
    EXPECT_EQ(list.get_item_title(2999), "box 999");
}

}  // namespace
}  // namespace kistvar::test
