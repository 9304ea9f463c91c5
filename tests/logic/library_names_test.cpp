// Which typed names may become a box title, and which files are boxes.
#include <gtest/gtest.h>

#include "store/box_titles.h"

namespace kistvar {
namespace {

TEST(BoxNames, PlainNamesIncludingChineseAndDotsAreAccepted) {
    for (const char* name : {"MYBOX 1", "我的箱子", "a.b", "..", "CONSOLE", "COM10", "LPT", "nul1", " CON"})
        EXPECT_EQ(store::box_name_problem(name), "") << name;
}

TEST(BoxNames, NamesThatCouldAddressAnotherFileAreRefused) {
    for (const char* name : {"", "a\\b", "a/b", "c:x", "a*", "a?", "\"q\"", "<", ">", "a|b", "line\nbreak", "tab\t"})
        EXPECT_NE(store::box_name_problem(name), "") << name;
    EXPECT_NE(store::box_name_problem(std::string("zero\0byte", 9)), "");
}

// A file name holds 255 UTF-16 units; ".bin" takes four of them.
TEST(BoxNames, NamesLongerThanAFileNameCanHoldAreRefused) {
    auto repeated = [](std::string_view piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) text += piece;
        return text;
    };
    EXPECT_EQ(store::box_name_problem(repeated("a", 251)), "");
    EXPECT_EQ(store::box_name_problem(repeated("箱", 251)), "");
    EXPECT_EQ(store::box_name_problem(repeated("a", 252)), "名称不能超过  251  个字符。");
    EXPECT_NE(store::box_name_problem(repeated("箱", 252)), "");
    EXPECT_NE(store::box_name_problem(repeated("🎒", 126)), "") << "two UTF-16 units each";
}

TEST(BoxNames, DeviceNamesAreRefusedInAnyCaseAndWithAnyExtension) {
    for (const char* name : {"CON", "prn", "Aux", "NUL", "com1", "COM9", "lpt1", "LPT9", "con.txt", "NUL.tar.gz",
                             "CON .bin"})
        EXPECT_NE(store::box_name_problem(name), "") << name;
}

TEST(BoxFiles, OnlyNamesEndingInBinInAnyCaseAreBoxes) {
    EXPECT_TRUE(store::is_box_file_name("a.bin"));
    EXPECT_TRUE(store::is_box_file_name("a.BIN"));
    EXPECT_TRUE(store::is_box_file_name(".bin"));
    EXPECT_FALSE(store::is_box_file_name("a.binary"));
    EXPECT_FALSE(store::is_box_file_name("bin"));
    EXPECT_EQ(store::title_of_box_file("我的箱子.bin"), "我的箱子");
    EXPECT_EQ(store::title_of_box_file(".bin"), "");
}

}  // namespace
}  // namespace kistvar
