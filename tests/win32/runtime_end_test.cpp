// How the program ends, watched from outside: each case runs in a child process.
#include <gtest/gtest.h>

#include "runtime_scenarios.h"

namespace kistvar::test::win32 {
namespace {

using Events = std::vector<std::string>;

constexpr unsigned long all_bits_set = 0xFFFFFFFFul;  // exit code -1
constexpr int stop_icon_task_modal = 0x10 | 0x2000;

TEST(RuntimeEnd, RuntimeErrorShowsItsMessageThenExitsMinusOneWithoutCleanUp) {
    ScenarioOutcome outcome = run_scenario("array_error");
    EXPECT_EQ(outcome.exit_code, all_bits_set);
    EXPECT_EQ(outcome.events, (Events{"box|错误|" + std::to_string(stop_icon_task_modal) +
                            "|运行时出错!\\r\\n\\r\\n错误代码：1\\r\\n\\r\\n错误信息：数组成员引用下标超出定义范围\\r\\n"}));
}

TEST(RuntimeEnd, FailedAllocationIsARuntimeErrorWithoutACodeLine) {
    ScenarioOutcome outcome = run_scenario("out_of_memory");
    EXPECT_EQ(outcome.exit_code, all_bits_set);
    EXPECT_EQ(outcome.events, (Events{"box|错误|" + std::to_string(stop_icon_task_modal) +
                            "|运行时出错!\\r\\n\\r\\n错误信息：分配 4611686018427387904 字节内存失败!\\r\\n"}));
}

TEST(RuntimeEnd, EndProgramRunsTheLatestCleanUpAndExitsWithItsCode) {
    ScenarioOutcome outcome = run_scenario("end_program");
    EXPECT_EQ(outcome.exit_code, 7u);
    EXPECT_EQ(outcome.events, (Events{"cleanup"}));
}

TEST(RuntimeEnd, CleanUpRunsAtMostOnce) {
    ScenarioOutcome outcome = run_scenario("cleanup_twice");
    EXPECT_EQ(outcome.exit_code, 0u);
    EXPECT_EQ(outcome.events, (Events{"cleanup"}));
}

}  // namespace
}  // namespace kistvar::test::win32
