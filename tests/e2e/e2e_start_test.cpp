// Starting the program: an ordinary start, a first run answered with OK, and
// a first run cancelled (in a separate process, since Cancel ends the program).
#include <windows.h>

#include "e2e/e2e_fixture.h"
#include "platform/dialogs.h"
#include "platform/win32/wide_text.h"

namespace kistvar::test {
namespace {

using Start = EndToEnd;

TEST_F(Start, OrdinaryStartShowsTheLibraryWithTheBoxInUse) {
    write_settings("MYBOX 1");
    put_my_box("B", "b");
    put_saved_box("S", "s");
    start();

    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(w().选择夹1->current_page(), 0);
    EXPECT_TRUE(driver->visible(mine()));
    EXPECT_FALSE(driver->visible(*w().编辑框存档路径));
    EXPECT_EQ(items(mine()), (Items{{"B", 0}, {"MYBOX 1", 1}}));
    EXPECT_EQ(items(saved()), (Items{{"S", 0}}));
    EXPECT_EQ(status(), "MYBOX 1");
    EXPECT_EQ(w().状态条1->status_text(0), "当前使用箱子：");
    EXPECT_EQ(app->state.current_list, &mine()) << "the focus starts on the my-boxes list";
    EXPECT_EQ(GetFocus(), reinterpret_cast<HWND>(mine().window_handle()));
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "高级选项");
    EXPECT_TRUE(exists_on_disk(readme_path)) << "the readme is written at every start";
}

TEST_F(Start, MissingMyBoxesFolderIsCreatedAtStart) {
    write_settings("MYBOX 1");
    TempFolder other;
    box_folder = other.path();  // a box folder without MYBOX
    write_settings("MYBOX 1");
    start();
    EXPECT_TRUE(exists_on_disk(box_folder + "\\MYBOX"));
}

TEST_F(Start, FirstRunOkOpensTheOptionsWithDefaultsAndSaveWritesThem) {
    put_my_box("B", "b");
    put_saved_box("S", "s");
    answer_message_box(result_ok);
    start();

    auto prompt = shown_messages();
    ASSERT_EQ(prompt.size(), 1u);
    EXPECT_EQ(prompt[0].text, "首次运行请先进行配置");
    EXPECT_EQ(prompt[0].caption, "提示窗口");
    EXPECT_EQ(style_of(prompt[0]), 65);
    EXPECT_TRUE(prompt[0].style & task_modal) << "no owner: modal for the whole program";

    EXPECT_EQ(w().选择夹1->current_page(), 1);
    EXPECT_TRUE(driver->visible(*w().编辑框存档路径));
    EXPECT_FALSE(driver->visible(mine()));
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "返回");
    EXPECT_EQ(w().编辑框存档路径->content(), default_save_folder());
    EXPECT_EQ(w().编辑框箱子路径->content(), default_box_folder());
    EXPECT_EQ(w().组合框1->current_index(), 0);
    EXPECT_EQ(w().组合框2->current_index(), 0);
    EXPECT_EQ(w().组合框3->current_index(), 0);
    EXPECT_EQ(w().组合框4->current_index(), 0);
    EXPECT_FALSE(w().选择框信息->checked());
    EXPECT_FALSE(settings_exist()) << "nothing is stored before Save";
    EXPECT_TRUE(exists_on_disk(readme_path));

    // The player points the program at the folders and saves.
    w().编辑框存档路径->set_content(save_folder);
    w().编辑框箱子路径->set_content(box_folder);
    driver->click(*w().按钮保存);
    EXPECT_EQ(stored("路径", "存档"), save_folder);
    EXPECT_EQ(stored("路径", "箱子"), box_folder);
    EXPECT_EQ(stored("高级", "版本"), "0");
    EXPECT_EQ(stored("高级", "模式"), "0");
    EXPECT_EQ(stored("显示", "图标大小"), "0");
    EXPECT_EQ(stored("显示", "排列顺序"), "0");
    EXPECT_EQ(stored("显示", "显示信息框"), "0");
    EXPECT_EQ(w().选择夹1->current_page(), 1) << "Save keeps the page open";

    // Back to the library: the lists now show the saved box folder.
    driver->click(*w().超级按钮高级);
    EXPECT_EQ(w().选择夹1->current_page(), 0);
    EXPECT_TRUE(driver->visible(mine()));
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "高级选项");
    EXPECT_EQ(items(mine()), (Items{{"B", 0}, {"MYBOX 1", 1}}));
    EXPECT_EQ(items(saved()), (Items{{"S", 0}}));
    EXPECT_TRUE(shown_messages().empty());
}

// --- First run cancelled, in a copy of the program in its own folder ----------

std::wstring program_next_to_tests() {
    return win32::widen(kistvar::program_folder()) + L"\\..\\kistvar.exe";
}

struct FoundWindow {
    DWORD process;
    std::wstring title;
    HWND window = nullptr;
};

HWND visible_window_of(DWORD process, const std::wstring& title) {
    FoundWindow found{process, title};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& wanted = *reinterpret_cast<FoundWindow*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != wanted.process || !IsWindowVisible(window)) return TRUE;
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (!wanted.title.empty() && wanted.title != text) return TRUE;
            wanted.window = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.window;
}

TEST(FirstRunCancelled, EndsTheProgramWithCodeZeroWritingNothing) {
    TempFolder folder, launched_from;
    const std::wstring copy = win32::widen(folder / "kistvar.exe");
    ASSERT_TRUE(CopyFileW(program_next_to_tests().c_str(), copy.c_str(), FALSE))
        << "kistvar.exe is built beside the tests folder";

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + copy + L"\"";
    ASSERT_TRUE(CreateProcessW(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               win32::widen(launched_from.path()).c_str(), &startup, &process));

    HWND prompt = nullptr;
    for (int waited = 0; !prompt && waited < 300; ++waited) {
        prompt = visible_window_of(process.dwProcessId, L"提示窗口");
        if (!prompt) Sleep(100);
    }
    if (!prompt) TerminateProcess(process.hProcess, 99);
    ASSERT_NE(prompt, nullptr) << "the first-run prompt never showed";
    Sleep(300);  // painted, for the picture
    save_screenshot("newcomer-1-first-run-prompt");
    EXPECT_EQ(visible_window_of(process.dwProcessId, L""), prompt) << "only the prompt is on screen";

    PostMessageW(prompt, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    const DWORD waited = WaitForSingleObject(process.hProcess, 30000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    DWORD exit_code = 1234;
    GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_EQ(exit_code, 0u);
    EXPECT_FALSE(exists_on_disk(folder / "MYBOX.ini"));
    EXPECT_FALSE(exists_on_disk(folder / "说明.txt"));
    EXPECT_FALSE(exists_on_disk(launched_from / "MYBOX.ini"));
    EXPECT_FALSE(exists_on_disk(launched_from / "说明.txt"));
}

// MYBOX.ini held open without sharing by another program: the start asks,
// and Cancel quits with code 0 before anything is written.
TEST(UnreadableSettings, CancelEndsTheProgramWithCodeZeroWritingNothing) {
    TempFolder folder;
    const std::wstring copy = win32::widen(folder / "kistvar.exe");
    ASSERT_TRUE(CopyFileW(program_next_to_tests().c_str(), copy.c_str(), FALSE));
    write_on_disk(folder / "MYBOX.ini", "[状态]\r\n正在使用=别的箱子\r\n");
    HANDLE lock = CreateFileW(win32::widen(folder / "MYBOX.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + copy + L"\"";
    ASSERT_TRUE(CreateProcessW(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    HWND question = nullptr;
    for (int waited = 0; !question && waited < 300; ++waited) {
        question = visible_window_of(process.dwProcessId, L"错误信息");
        if (!question) Sleep(100);
    }
    if (!question) TerminateProcess(process.hProcess, 99);
    ASSERT_NE(question, nullptr) << "the unreadable-file question never showed";
    Sleep(300);  // painted, for the picture
    save_screenshot("start-unreadable-settings");
    wchar_t text[512] = {};
    GetDlgItemTextW(question, 0xFFFF, text, 512);
    const std::string shown = win32::narrow(text);
    EXPECT_TRUE(shown.starts_with("无法读取设置文件  " + (folder / "MYBOX.ini") + "  ：")) << shown;
    EXPECT_NE(GetDlgItem(question, IDRETRY), nullptr);
    EXPECT_NE(GetDlgItem(question, IDCANCEL), nullptr);

    PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    const DWORD waited = WaitForSingleObject(process.hProcess, 30000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    DWORD exit_code = 1234;
    GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(lock);

    EXPECT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_EQ(exit_code, 0u);
    EXPECT_EQ(read_on_disk(folder / "MYBOX.ini"), "[状态]\r\n正在使用=别的箱子\r\n");
    EXPECT_FALSE(exists_on_disk(folder / "说明.txt"));
}

}  // namespace
}  // namespace kistvar::test
