#include <gtest/gtest.h>

#include "language/runtime_texts.h"

namespace kistvar {
namespace {

TEST(RuntimeErrorText, ShowsTheCodeAndTheMessageUnderTheTitleLine) {
    EXPECT_EQ(runtime_error_text(1, "数组成员引用下标超出定义范围"),
              "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n");
    EXPECT_EQ(runtime_error_text(4, "数组成员引用下标必须大于等于1"),
              "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n");
}

TEST(RuntimeErrorText, LeavesOutWhatIsMissing) {
    EXPECT_EQ(runtime_error_text(0, "分配 64 字节内存失败!"), "运行时出错!\r\n\r\n错误信息：分配 64 字节内存失败!\r\n");
    EXPECT_EQ(runtime_error_text(-3, ""), "运行时出错!\r\n\r\n错误代码：-3\r\n\r\n");
    EXPECT_EQ(runtime_error_text(0, ""), "运行时出错!\r\n\r\n");
}

TEST(RuntimeErrorText, OutOfMemoryNamesTheBytesAskedFor) {
    EXPECT_EQ(out_of_memory_message(1048576), "分配 1048576 字节内存失败!");
}

}  // namespace
}  // namespace kistvar
