#include "conformance_fixture.h"

namespace kistvar::test {
namespace {

using Titles = std::vector<std::string>;

TEST_F(ControlTest, ListsStartInReportViewSortedAscending) {
    EXPECT_EQ(mine().view_style(), ui::ListView::report);
    EXPECT_EQ(mine().sort_order(), ui::ListView::ascending);
    EXPECT_EQ(saved().view_style(), ui::ListView::report);
    EXPECT_EQ(saved().sort_order(), ui::ListView::ascending);
    EXPECT_EQ(mine().item_count(), 0);
    EXPECT_EQ(mine().selected_item(), -1);
}

}  // namespace
}  // namespace kistvar::test
