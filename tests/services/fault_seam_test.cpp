// The seam that lets a test fail any one file call.
#include "platform/fault_seam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kistvar::fault_seam {
namespace {

class FaultSeam : public ::testing::Test {
protected:
    void SetUp() override { disarm(); }
    void TearDown() override { disarm(); }
};

TEST_F(FaultSeam, DisarmedItFailsNothingButStillCounts) {
    EXPECT_FALSE(should_fail(FileCall::open_for_write, "a"));
    EXPECT_FALSE(should_fail(FileCall::write_bytes, "a"));
    EXPECT_EQ(calls_seen(), 2u);
    EXPECT_EQ(failures_made(), 0u);
    disarm();
    EXPECT_EQ(calls_seen(), 0u);
}

TEST_F(FaultSeam, FailsExactlyTheChosenCall) {
    fail_call_number(2);
    EXPECT_FALSE(should_fail(FileCall::find_first, "a"));
    EXPECT_TRUE(should_fail(FileCall::find_next, "a"));
    EXPECT_FALSE(should_fail(FileCall::find_next, "a"));
    EXPECT_EQ(calls_seen(), 3u);
    EXPECT_EQ(failures_made(), 1u);
    // Arming again starts the count again.
    fail_call_number(1);
    EXPECT_TRUE(should_fail(FileCall::read_file, "b"));
}

TEST_F(FaultSeam, FailsPathsHoldingAFragment) {
    fail_paths_containing("MYBOX");
    EXPECT_TRUE(should_fail(FileCall::copy_file, "C:\\box\\MYBOX\\a.bin"));
    EXPECT_FALSE(should_fail(FileCall::copy_file, "C:\\box\\a.bin"));
    EXPECT_EQ(failures_made(), 1u);
}

TEST_F(FaultSeam, ARuleSeesCallPathAndNumber) {
    std::vector<std::string> seen;
    arm([&seen](FileCall call, std::string_view path, std::uint64_t number) {
        seen.push_back(std::string(name_of(call)) + " " + std::string(path) + " " + std::to_string(number));
        return call == FileCall::delete_file;
    });
    EXPECT_FALSE(should_fail(FileCall::move_file, "x"));
    EXPECT_TRUE(should_fail(FileCall::delete_file, "y"));
    EXPECT_EQ(seen, (std::vector<std::string>{"move_file x 1", "delete_file y 2"}));
}

}  // namespace
}  // namespace kistvar::fault_seam
