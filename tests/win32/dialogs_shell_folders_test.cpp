// The player's special folders and the program's own folder.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/dialogs.h"
#include "platform/win32/wide_text.h"
#include "support/temp_folder.h"

namespace kistvar::test::win32 {
namespace {

TEST(SpecialFolder, EveryKnownFolderEndsInOneBackslash) {
    for (int number : {1, 3, 8, 9, 10, 11}) {
        std::string folder = special_folder(number);
        ASSERT_GE(folder.size(), 4u) << "folder " << number;
        EXPECT_EQ(folder.back(), '\\') << folder;
        EXPECT_NE(folder[folder.size() - 2], '\\') << folder;
        EXPECT_TRUE(exists_on_disk(folder.substr(0, folder.size() - 1))) << folder;
    }
}

TEST(SpecialFolder, DocumentsAndTheSystemFoldersAreTheOnesWindowsNames) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(special_folder(9), kistvar::win32::narrow(windows) + "\\");
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(special_folder(10), kistvar::win32::narrow(system) + "\\");
    EXPECT_NE(special_folder(1).find("Documents"), std::string::npos) << special_folder(1);
}

TEST(SpecialFolder, NumbersOutsideTheTableGiveTheEmptyText) {
    EXPECT_EQ(special_folder(0), "");
    EXPECT_EQ(special_folder(12), "");
    EXPECT_EQ(special_folder(-1), "");
}

TEST(ProgramFolder, IsTheFolderOfTheRunningProgramWithoutTrailingBackslash) {
    std::string folder = program_folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(exists_on_disk(folder + "\\win32_tests.exe"));
}

}  // namespace
}  // namespace kistvar::test::win32
