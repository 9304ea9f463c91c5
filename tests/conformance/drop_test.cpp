// Files dropped from the shell reach the drop target registered on a list.
#include "conformance_fixture.h"

namespace kistvar::test {
namespace {

class DropTest : public ControlTest {
protected:
    DropTest() {
        w().拖放对象我的箱子->on_files_dropped = [this](const std::string& text) { mine_got.push_back(text); };
        w().拖放对象保存箱子->on_files_dropped = [this](const std::string& text) { saved_got.push_back(text); };
    }
    std::vector<std::string> mine_got, saved_got;
};

TEST_F(DropTest, OneFileArrivesAsItsPathAlone) {
    ASSERT_TRUE(w().拖放对象我的箱子->register_on(mine().window_handle()));
    driver().drop_files(mine(), {"C:\\下载\\箱子.bin"});
    EXPECT_EQ(mine_got, (std::vector<std::string>{"C:\\下载\\箱子.bin"}));
}

TEST_F(DropTest, SeveralFilesArriveEachEndedByALineBreak) {
    ASSERT_TRUE(w().拖放对象我的箱子->register_on(mine().window_handle()));
    driver().drop_files(mine(), {"C:\\a.bin", "C:\\b.bin"});
    EXPECT_EQ(mine_got, (std::vector<std::string>{"C:\\a.bin\r\nC:\\b.bin\r\n"}));
}

TEST_F(DropTest, EachTargetHearsOnlyItsOwnList) {
    ASSERT_TRUE(w().拖放对象我的箱子->register_on(mine().window_handle()));
    ASSERT_TRUE(w().拖放对象保存箱子->register_on(saved().window_handle()));
    driver().drop_files(saved(), {"C:\\s.bin"});
    EXPECT_TRUE(mine_got.empty());
    EXPECT_EQ(saved_got, (std::vector<std::string>{"C:\\s.bin"}));
}

TEST_F(DropTest, AListWithoutATargetTakesNoFiles) {
    ASSERT_TRUE(w().拖放对象我的箱子->register_on(mine().window_handle()));
    driver().drop_files(saved(), {"C:\\s.bin"});
    EXPECT_TRUE(mine_got.empty());
    EXPECT_TRUE(saved_got.empty());
}

TEST_F(DropTest, ATargetRegistersOnce) {
    EXPECT_TRUE(w().拖放对象我的箱子->register_on(mine().window_handle()));
    EXPECT_FALSE(w().拖放对象我的箱子->register_on(mine().window_handle()));
    EXPECT_FALSE(w().拖放对象我的箱子->register_on(saved().window_handle()));
}

TEST_F(DropTest, NoWindowIsRefused) {
    EXPECT_FALSE(w().拖放对象保存箱子->register_on(0));
}

}  // namespace
}  // namespace kistvar::test
