// Starting the program: an ordinary start, a first run answered with OK, and
// a first run cancelled (in a separate process, since Cancel ends the program).
#include <windows.h>

#include <optional>
#include <string_view>

#include "e2e/e2e_fixture.h"
#include "platform/dialogs.h"
#include "language/language.h"
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

// ctest runs this case alone as e2e_english, with Windows in English; the
// other runs pin Windows to Chinese and skip it.
TEST_F(Start, FirstRunInEnglishSpeaksEnglishFromTheFirstWord) {
    if (language::of_user_interface() != language::Language::english)
        GTEST_SKIP() << "needs Windows' user interface in English (ctest: e2e_english)";
    put_my_box("B", "b");
    answer_message_box(result_ok);
    start();

    auto prompt = shown_messages();
    ASSERT_EQ(prompt.size(), 1u);
    EXPECT_EQ(prompt[0].text, "Welcome to Kistvar. Please set the folders first.");
    EXPECT_EQ(prompt[0].caption, "Kistvar");
    HWND frame = reinterpret_cast<HWND>(w().window->window_handle());
    wchar_t title[64] = {};
    GetWindowTextW(frame, title, 64);
    EXPECT_EQ(win32::narrow(title), "Kistvar for Torchlight 2  v4.0");
    for (const wchar_t* caption : {L"Options", L"Saves:", L"Boxes:", L"Save", L"Cancel", L"No message boxes"})
        EXPECT_NE(FindWindowExW(frame, nullptr, nullptr, caption), nullptr) << win32::narrow(caption);
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "Back");
    EXPECT_EQ(w().组合框5->current_index(), 1);
    EXPECT_TRUE(save_screenshot("english-1-first-run-options"));

    w().编辑框存档路径->set_content(save_folder);
    w().编辑框箱子路径->set_content(box_folder);
    driver->click(*w().按钮保存);
    EXPECT_EQ(stored("显示", "语言"), "") << "Windows' language is followed, not stored";
    driver->click(*w().超级按钮高级);
    EXPECT_EQ(w().状态条1->status_text(0), "In the slot:");
    EXPECT_EQ(items(mine()), (Items{{"B", 0}, {"MYBOX 1", 1}}));
    EXPECT_TRUE(save_screenshot("english-2-library"));
    EXPECT_TRUE(exists_on_disk(program_folder + "\\readme.txt"));
    EXPECT_FALSE(exists_on_disk(readme_path));
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

// A copy of kistvar.exe in a folder of its own, started from `working_folder`
// (the copy's folder when empty), and its first visible window of that title.
class ProgramCopy {
public:
    ProgramCopy() {
        copy_ = win32::widen(folder / "kistvar.exe");
        copied_ = CopyFileW(program_next_to_tests().c_str(), copy_.c_str(), FALSE);
    }
    ~ProgramCopy() {
        if (!process_.hProcess) return;
        TerminateProcess(process_.hProcess, 99);
        close_handles();
    }

    // Starts the copy and waits up to 30 s for the window; nullptr when none came.
    HWND start_and_wait_for(const std::wstring& title, const std::string& working_folder = {}) {
        if (!launch(process_, working_folder)) return nullptr;
        return wait_for(title);
    }
    // Starts the copy once more beside the running one: its exit code once it
    // has ended within 30 s; nothing when it has not (it is ended then).
    std::optional<DWORD> start_another() {
        PROCESS_INFORMATION other{};
        if (!launch(other, {})) return std::nullopt;
        const bool ended = WaitForSingleObject(other.hProcess, 30000) == WAIT_OBJECT_0;
        DWORD code = 1234;
        if (ended) GetExitCodeProcess(other.hProcess, &code);
        if (!ended) TerminateProcess(other.hProcess, 99);
        CloseHandle(other.hThread);
        CloseHandle(other.hProcess);
        return ended ? std::optional<DWORD>(code) : std::nullopt;
    }
    HWND wait_for(const std::wstring& title) const {
        for (int waited = 0; waited < 300; ++waited) {
            if (HWND window = visible_window_of(process_.dwProcessId, title)) {
                Sleep(300);  // painted, for the picture
                return window;
            }
            Sleep(100);
        }
        return nullptr;
    }
    HWND any_window() const { return visible_window_of(process_.dwProcessId, L""); }
    // The exit code once the program has ended within 30 s; nothing when it has not.
    std::optional<DWORD> exit_code() {
        const bool ended = WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0;
        DWORD code = 1234;
        if (ended) GetExitCodeProcess(process_.hProcess, &code);
        if (!ended) TerminateProcess(process_.hProcess, 99);
        close_handles();
        return ended ? std::optional<DWORD>(code) : std::nullopt;
    }

    TempFolder folder;

private:
    bool launch(PROCESS_INFORMATION& process, const std::string& working_folder) {
        EXPECT_TRUE(copied_) << "kistvar.exe is built beside the tests folder";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + copy_ + L"\"";
        return CreateProcessW(copy_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              working_folder.empty() ? nullptr : win32::widen(working_folder).c_str(), &startup,
                              &process) != FALSE;
    }
    void close_handles() {
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = {};
    }

    std::wstring copy_;
    bool copied_ = false;
    PROCESS_INFORMATION process_{};
};

std::string message_text(HWND message_box) {
    wchar_t text[512] = {};
    GetDlgItemTextW(message_box, 0xFFFF, text, 512);
    return win32::narrow(text);
}

void press(HWND dialog, int button) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

TEST(FirstRunCancelled, EndsTheProgramWithCodeZeroWritingNothing) {
    ProgramCopy program;
    TempFolder launched_from;
    HWND prompt = program.start_and_wait_for(L"提示窗口", launched_from.path());
    ASSERT_NE(prompt, nullptr) << "the first-run prompt never showed";
    save_screenshot("newcomer-1-first-run-prompt");
    EXPECT_EQ(program.any_window(), prompt) << "only the prompt is on screen";

    press(prompt, IDCANCEL);
    EXPECT_EQ(program.exit_code(), 0u);
    for (const TempFolder* folder : {&program.folder, &launched_from}) {
        EXPECT_FALSE(exists_on_disk(*folder / "MYBOX.ini"));
        EXPECT_FALSE(exists_on_disk(*folder / "说明.txt"));
    }
}

// MYBOX.ini held open without sharing by another program: the start asks,
// and Cancel quits with code 0 before anything is written.
TEST(UnreadableSettings, CancelEndsTheProgramWithCodeZeroWritingNothing) {
    ProgramCopy program;
    const std::string settings = program.folder / "MYBOX.ini";
    write_on_disk(settings, "[状态]\r\n正在使用=别的箱子\r\n");
    HANDLE lock = CreateFileW(win32::widen(settings).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    HWND question = program.start_and_wait_for(L"错误信息");
    ASSERT_NE(question, nullptr) << "the unreadable-file question never showed";
    save_screenshot("start-unreadable-settings");
    const std::string shown = message_text(question);
    EXPECT_TRUE(shown.starts_with("无法读取设置文件  " + settings + "  ：")) << shown;
    EXPECT_NE(GetDlgItem(question, IDRETRY), nullptr);
    EXPECT_NE(GetDlgItem(question, IDCANCEL), nullptr);

    press(question, IDCANCEL);
    EXPECT_EQ(program.exit_code(), 0u);
    CloseHandle(lock);
    EXPECT_EQ(read_on_disk(settings), "[状态]\r\n正在使用=别的箱子\r\n");
    EXPECT_FALSE(exists_on_disk(program.folder / "说明.txt"));
}

// A second start of the same copy brings the running window back to the
// front and ends; a copy in another folder (its own MYBOX.ini) runs beside it.
TEST(SecondStart, BringsTheRunningWindowToTheFrontAndEnds) {
    ProgramCopy program, elsewhere;
    for (const ProgramCopy* copy : {&program, &elsewhere})
        write_on_disk(copy->folder / "MYBOX.ini", "[状态]\r\n正在使用=别的箱子\r\n");
    const std::wstring title = L"《火炬之光2》Kistvar  v4.0";
    HWND window = program.start_and_wait_for(title);
    ASSERT_NE(window, nullptr) << "the window never showed";
    ShowWindow(window, SW_MINIMIZE);

    EXPECT_EQ(program.start_another(), 0u);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_NE(elsewhere.start_and_wait_for(title), nullptr) << "a copy in another folder did not start";
}

}  // namespace
}  // namespace kistvar::test
