// MYBOX.ini as the program reads and writes it: UTF-8 in the program, GBK
// (GB18030) bytes on disk, with the Windows profile rules.
#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include "disk_helpers.h"
#include "platform/fault_seam.h"
#include "support/temp_folder.h"
#ifdef _WIN32
#include <windows.h>

#include "platform/win32/wide_text.h"
#endif

namespace kistvar {
namespace {

using test::names_on_disk;
using test::read_on_disk;
using test::write_on_disk;
using Names = std::vector<std::string>;

// The settings of a configured program, as GBK bytes.
const std::string configured_file =
    "[\xC2\xB7\xBE\xB6]\r\n"                                // [路径]
    "\xB4\xE6\xB5\xB5=C:\\save\r\n"                         // 存档=C:\save
    "\xCF\xE4\xD7\xD3=D:\\\xCF\xE4\xD7\xD3\r\n"             // 箱子=D:\箱子
    "[\xB8\xDF\xBC\xB6]\r\n"                                // [高级]
    "\xB0\xE6\xB1\xBE=0\r\n"                                // 版本=0
    "\xC4\xA3\xCA\xBD=1\r\n"                                // 模式=1
    "[\xCF\xD4\xCA\xBE]\r\n"                                // [显示]
    "\xCD\xBC\xB1\xEA\xB4\xF3\xD0\xA1=0\r\n"                // 图标大小=0
    "\xC5\xC5\xC1\xD0\xCB\xB3\xD0\xF2=0\r\n"                // 排列顺序=0
    "\xCF\xD4\xCA\xBE\xD0\xC5\xCF\xA2\xBF\xF2=0\r\n"        // 显示信息框=0
    "[\xD7\xB4\xCC\xAC]\r\n"                                // [状态]
    "\xD5\xFD\xD4\xDA\xCA\xB9\xD3\xC3=MYBOX 1\r\n";         // 正在使用=MYBOX 1

class SettingsFile : public ::testing::Test {
protected:
    void TearDown() override { fault_seam::disarm(); }

    test::TempFolder folder;
    std::string ini = folder / "MYBOX.ini";
};

TEST_F(SettingsFile, WritesTheFileByteForByteAsWindowsWould) {
    EXPECT_TRUE(write_setting(ini, "路径", "存档", "C:\\save"));
    EXPECT_EQ(read_on_disk(ini), "[\xC2\xB7\xBE\xB6]\r\n\xB4\xE6\xB5\xB5=C:\\save\r\n");
    EXPECT_TRUE(write_setting(ini, "路径", "箱子", "D:\\箱子"));
    EXPECT_TRUE(write_setting(ini, "高级", "版本", "0"));
    EXPECT_TRUE(write_setting(ini, "高级", "模式", "1"));
    EXPECT_TRUE(write_setting(ini, "显示", "图标大小", "1"));
    EXPECT_TRUE(write_setting(ini, "显示", "排列顺序", "0"));
    EXPECT_TRUE(write_setting(ini, "显示", "显示信息框", "0"));
    EXPECT_TRUE(write_setting(ini, "状态", "正在使用", "别的箱子"));
    EXPECT_TRUE(write_setting(ini, "状态", "正在使用", "MYBOX 1"));
    EXPECT_TRUE(write_setting(ini, "显示", "图标大小", "0"));
    EXPECT_EQ(read_on_disk(ini), configured_file);
    EXPECT_EQ(names_on_disk(folder.path()), Names{"MYBOX.ini"});
}

TEST_F(SettingsFile, ReadsAFileWindowsWrote) {
    write_on_disk(ini, "; written by hand\r\n\r\n" + configured_file + "\r\n");
    EXPECT_EQ(read_setting(ini, "路径", "存档"), "C:\\save");
    EXPECT_EQ(read_setting(ini, "路径", "箱子", "default"), "D:\\箱子");
    EXPECT_EQ(read_setting(ini, "高级", "模式"), "1");
    EXPECT_EQ(read_setting(ini, "状态", "正在使用", "MYBOX 1"), "MYBOX 1");
    EXPECT_EQ(read_setting(ini, "显示", "正在使用", "none"), "none");
}

TEST_F(SettingsFile, BlanksQuotesAndEmptyValues) {
    write_on_disk(ini,
                  "[ \xC2\xB7\xBE\xB6 ]\n"
                  "\t\xB4\xE6\xB5\xB5 = \"C:\\My Games\\ \" \n"
                  "\xCF\xE4\xD7\xD3=\n");
    EXPECT_EQ(read_setting(ini, "路径", "存档"), "C:\\My Games\\ ");
    EXPECT_EQ(read_setting(ini, "路径", "箱子", "default"), "");
    EXPECT_EQ(read_setting("  " + ini, "\t路径", " 存档"), "C:\\My Games\\ ");
}

TEST_F(SettingsFile, TheDefaultLosesOnlyTrailingSpaces) {
    EXPECT_EQ(read_setting(ini, "路径", "存档", " D:\\x\t  "), " D:\\x\t");
    write_on_disk(ini, configured_file);
    EXPECT_EQ(read_setting(ini, "路径", "missing", "MYBOX 1  "), "MYBOX 1");
    EXPECT_EQ(read_setting(ini, "missing", "存档", "x"), "x");
    EXPECT_EQ(read_setting(ini, "missing", "存档"), "");
}

TEST_F(SettingsFile, AnEmptyNameReadsAsEmptyEvenWithADefault) {
    write_on_disk(ini, configured_file);
    EXPECT_EQ(read_setting(ini, "路径", "", "default"), "");
    EXPECT_EQ(read_setting(ini, "路径", " \t\r\n", "default"), "");
    EXPECT_EQ(read_setting(ini, "  ", "存档", "default"), "");
    EXPECT_EQ(read_setting(" ", "路径", "存档", "default"), "");
}

TEST_F(SettingsFile, ALongValueIsCutToTheBuffer) {
    std::string value(20000, 'v');
    ASSERT_TRUE(write_setting(ini, "路径", "存档", value));
    EXPECT_EQ(read_setting(ini, "路径", "存档"), std::string(10239, 'v'));
}

TEST_F(SettingsFile, GarbageAroundTheSettingsIsKept) {
    const char raw[] = "\x01\xFF\xFE\x00[\x81\r\x8A=\n\n\x80\xA3";
    std::string garbage(raw, sizeof raw - 1);
    std::string long_line(10 * 1024 * 1024, 'x');
    write_on_disk(ini, garbage + "\r\n" + long_line + configured_file);
    EXPECT_EQ(read_setting(ini, "路径", "存档", "d"), "d");  // the header is glued to the long line
    EXPECT_EQ(read_setting(ini, "高级", "模式"), "1");
    EXPECT_TRUE(write_setting(ini, "高级", "模式", "0"));
    std::string expected = garbage + "\r\n" + long_line + configured_file;
    expected.replace(expected.find("=1\r\n"), 2, "=0");
    EXPECT_EQ(read_on_disk(ini), expected);
}

TEST_F(SettingsFile, NamesLoseTheirBlanksValuesKeepThem) {
    EXPECT_TRUE(write_setting(ini, " 路径 ", "\t存档 ", "  C:\\save  "));
    EXPECT_EQ(read_on_disk(ini), "[\xC2\xB7\xBE\xB6]\r\n\xB4\xE6\xB5\xB5=  C:\\save  \r\n");
    EXPECT_TRUE(write_setting(ini, "路径", "存档", ""));
    EXPECT_EQ(read_on_disk(ini), "[\xC2\xB7\xBE\xB6]\r\n\xB4\xE6\xB5\xB5=\r\n");
}

TEST_F(SettingsFile, LeftOutValueDeletesTheKeyLeftOutKeyTheSection) {
    write_on_disk(ini, configured_file);
    EXPECT_TRUE(write_setting(ini, "高级", "模式", std::nullopt));
    EXPECT_EQ(read_setting(ini, "高级", "模式", "gone"), "gone");
    EXPECT_EQ(read_setting(ini, "高级", "版本"), "0");
    EXPECT_TRUE(write_setting(ini, "路径", std::nullopt, std::nullopt));
    EXPECT_EQ(read_on_disk(ini).find("[\xC2\xB7\xBE\xB6]"), std::string::npos);
    EXPECT_EQ(read_setting(ini, "路径", "存档", "gone"), "gone");
    EXPECT_EQ(read_setting(ini, "状态", "正在使用"), "MYBOX 1");

    // Deleting from a missing file creates none.
    std::string other = folder / "other.ini";
    EXPECT_TRUE(write_setting(other, "路径", std::nullopt, std::nullopt));
    EXPECT_FALSE(test::exists_on_disk(other));
}

// A file as Notepad's "Unicode" saves it: UTF-16LE after a byte order mark.
std::string utf16_file(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST_F(SettingsFile, AFileSavedAsUtf16StaysUtf16) {
    write_on_disk(ini, utf16_file(u"[路径]\r\n存档=C:\\😀\r\n"));
    EXPECT_EQ(read_setting(ini, "路径", "存档"), "C:\\😀");
    EXPECT_TRUE(write_setting(ini, "路径", "箱子", "D"));
    EXPECT_EQ(read_on_disk(ini), utf16_file(u"[路径]\r\n存档=C:\\😀\r\n箱子=D\r\n"));
}

// As Notepad saves it by default. GBK stays GBK, also behind a UTF-8 mark.
TEST_F(SettingsFile, AFileSavedAsUtf8StaysUtf8WithOrWithoutItsMark) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string text = "[路径]\r\n存档=C:\\存档\r\n[状态]\r\n正在使用=箱子 A\r\n";
    const std::string written = "[路径]\r\n存档=C:\\存档\r\n箱子=D:\\箱子\r\n[状态]\r\n正在使用=箱子 A\r\n";
    for (const std::string& mark : {bom, std::string()}) {
        SCOPED_TRACE(mark.empty() ? "without a mark" : "with a mark");
        write_on_disk(ini, mark + text);
        EXPECT_EQ(read_setting(ini, "路径", "存档"), "C:\\存档");
        EXPECT_EQ(read_setting(ini, "状态", "正在使用"), "箱子 A");
        EXPECT_TRUE(write_setting(ini, "路径", "箱子", "D:\\箱子"));
        EXPECT_EQ(read_on_disk(ini), mark + written);
    }

    write_on_disk(ini, bom + configured_file);
    EXPECT_EQ(read_setting(ini, "路径", "存档"), "C:\\save");
    EXPECT_TRUE(write_setting(ini, "状态", "正在使用", "别的箱子"));
    EXPECT_EQ(read_setting(ini, "状态", "正在使用"), "别的箱子");
    EXPECT_TRUE(read_on_disk(ini).starts_with(bom + "[\xC2\xB7\xBE\xB6]\r\n")) << "GBK behind the mark";

    // "路" is C2 B7 in GBK, well-formed UTF-8 by chance: the file must still read back.
    write_on_disk(ini, "[a]\r\nb=c\r\n");
    EXPECT_TRUE(write_setting(ini, "a", "b", "路"));
    EXPECT_EQ(read_setting(ini, "a", "b"), "路");
}

TEST_F(SettingsFile, AWriteThatCannotBeDoneLeavesTheOldFile) {
    EXPECT_FALSE(write_setting(folder / "missing\\MYBOX.ini", "路径", "存档", "x"));
    EXPECT_EQ(names_on_disk(folder.path()), Names{});

    write_on_disk(ini, configured_file);
    test::set_read_only_on_disk(ini, true);
    EXPECT_FALSE(write_setting(ini, "路径", "存档", "E:\\elsewhere"));
    EXPECT_EQ(read_on_disk(ini), configured_file);
    EXPECT_EQ(names_on_disk(folder.path()), Names{"MYBOX.ini"});
}

TEST_F(SettingsFile, AFailureAtAnyStepOfAWriteLeavesTheOldFileAndNoTemporary) {
    write_on_disk(ini, configured_file);
    fault_seam::disarm();
    ASSERT_TRUE(write_setting(ini, "状态", "正在使用", "箱子 2"));
    std::uint64_t steps = fault_seam::calls_seen();
    for (std::uint64_t step = 1; step <= steps; ++step) {
        write_on_disk(ini, configured_file);
        fault_seam::fail_call_number(step);
        EXPECT_FALSE(write_setting(ini, "状态", "正在使用", "箱子 2")) << "step " << step;
        fault_seam::disarm();
        EXPECT_EQ(read_on_disk(ini), configured_file) << "step " << step;
        EXPECT_EQ(names_on_disk(folder.path()), Names{"MYBOX.ini"}) << "step " << step;
    }
}

// A start must tell a file it cannot read (held open by another program
// without sharing, a disk error) from a missing one, and say why.
TEST_F(SettingsFile, AFileThatCannotBeReadIsToldFromAMissingOneWithTheReason) {
    std::string bytes, reason;
    EXPECT_TRUE(read_settings_file(ini, bytes, reason));
    EXPECT_EQ(bytes, "");

    write_on_disk(ini, configured_file);
#ifdef _WIN32
    HANDLE lock = CreateFileW(win32::widen(ini).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
#else
    fault_seam::arm([](fault_seam::FileCall call, std::string_view, std::uint64_t) {
        return call == fault_seam::FileCall::read_file;
    });
#endif
    EXPECT_FALSE(read_settings_file(ini, bytes, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(bytes, "");
#ifdef _WIN32
    CloseHandle(lock);
#else
    fault_seam::disarm();
#endif
    EXPECT_TRUE(read_settings_file(ini, bytes, reason));
    EXPECT_EQ(read_setting_in(bytes, "状态", "正在使用"), "MYBOX 1");
}

}  // namespace
}  // namespace kistvar
