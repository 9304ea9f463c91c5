// The options page on the real window: opening and leaving it, Save, Cancel,
// the folder chooser, and the language.
#include "e2e/e2e_fixture.h"

#include <windows.h>

#include "platform/win32/controls_menu.h"
#include "platform/win32/wide_text.h"

namespace kistvar::test {
namespace {

class Options : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        put_my_box("mine in the first folder", "x");
        write_settings("MYBOX 1");
        start();
        driver->click(*w().超级按钮高级);
        ASSERT_EQ(w().选择夹1->current_page(), 1);
    }
};

TEST_F(Options, TheToggleShowsOnePageAtATimeAndNamesTheWayBack) {
    EXPECT_TRUE(driver->visible(*w().编辑框箱子路径));
    EXPECT_TRUE(driver->visible(*w().按钮保存));
    EXPECT_FALSE(driver->visible(mine()));
    EXPECT_FALSE(driver->visible(*w().超级按钮更换));
    EXPECT_TRUE(driver->visible(*w().超级按钮高级));
    EXPECT_TRUE(driver->visible(*w().超级按钮说明));
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "返回");
    EXPECT_EQ(w().编辑框存档路径->content(), save_folder);
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);

    driver->click(*w().超级按钮高级);
    EXPECT_EQ(w().选择夹1->current_page(), 0);
    EXPECT_FALSE(driver->visible(*w().编辑框箱子路径));
    EXPECT_TRUE(driver->visible(mine()));
    EXPECT_TRUE(driver->visible(*w().超级按钮更换));
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "高级选项");
}

TEST_F(Options, LeavingWithoutSaveKeepsTheStoredFolderAndTheNextVisitShowsIt) {
    TempFolder other;
    w().编辑框箱子路径->set_content(other.path());
    driver->click(*w().超级按钮高级);
    EXPECT_EQ(stored("路径", "箱子"), box_folder);
    EXPECT_EQ(items(mine()), (Items{{"mine in the first folder", 0}, {"MYBOX 1", 1}}));

    driver->click(*w().超级按钮高级);
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);
}

TEST_F(Options, SaveStoresEveryControlAndTheLibraryFollowsOnReturn) {
    TempFolder other;
    make_folder_on_disk(other / "MYBOX");
    write_on_disk(other / "MYBOX\\mine in the second folder.bin", "y");
    write_on_disk(other / "saved in the second folder.bin", "z");

    w().编辑框箱子路径->set_content(other.path());
    w().组合框1->set_current_index(1);
    w().组合框2->set_current_index(1);
    w().组合框3->set_current_index(1);
    w().组合框4->set_current_index(1);
    w().选择框信息->set_checked(true);
    driver->click(*w().按钮保存);

    EXPECT_EQ(stored("路径", "存档"), save_folder);
    EXPECT_EQ(stored("路径", "箱子"), other.path());
    EXPECT_EQ(stored("高级", "版本"), "1");
    EXPECT_EQ(stored("高级", "模式"), "1");
    EXPECT_EQ(stored("显示", "图标大小"), "1");
    EXPECT_EQ(stored("显示", "排列顺序"), "1");
    EXPECT_EQ(stored("显示", "显示信息框"), "1");
    EXPECT_EQ(app->state.stash_file_name, "sharedstashh.bin");
    EXPECT_TRUE(w().大图标->checked());
    EXPECT_TRUE(w().逆向排序->checked());
    EXPECT_EQ(w().选择夹1->current_page(), 1);
    EXPECT_TRUE(shown_messages().empty()) << "Save says nothing";

    driver->click(*w().超级按钮高级);
    EXPECT_EQ(items(mine()), (Items{{"MYBOX 1", 1}, {"mine in the second folder", 0}}));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"saved in the second folder"}));
    EXPECT_EQ(mine().view_style(), ui::ListView::large_icons);
}

TEST_F(Options, CancelPutsBackWhatIsStored) {
    w().编辑框存档路径->set_content("C:\\nowhere");
    w().组合框1->set_current_index(1);
    w().组合框3->set_current_index(1);
    w().选择框信息->set_checked(true);
    driver->click(*w().按钮取消);

    EXPECT_EQ(w().编辑框存档路径->content(), save_folder);
    EXPECT_EQ(w().组合框1->current_index(), 0);
    EXPECT_EQ(w().组合框3->current_index(), 0);
    EXPECT_FALSE(w().选择框信息->checked());
    EXPECT_EQ(w().选择夹1->current_page(), 1);
    EXPECT_EQ(stored("高级", "版本"), "");
    EXPECT_EQ(stored("路径", "存档"), save_folder);
}

TEST_F(Options, FolderChooserFillsTheEditBoxAndCancelKeepsIt) {
    TempFolder chosen;
    driver->answer_folder_chooser(chosen.path());
    driver->click(*w().按钮选择箱子路径);
    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, ShownDialog::Kind::folder_chooser);
    EXPECT_EQ(dialogs[0].text, "选择目录");
    EXPECT_EQ(w().编辑框箱子路径->content(), chosen.path());

    driver->answer_folder_chooser("");
    driver->click(*w().按钮选择存档路径);
    EXPECT_EQ(w().编辑框存档路径->content(), save_folder);
    EXPECT_EQ(stored("路径", "箱子"), box_folder) << "nothing is stored before Save";
}

// What the real window shows in words: the title, a label, a drop-down's
// first item, a sub-menu's header and an item in it, the status bar's caption.
std::vector<std::string> words_shown(ui::MainWindow& w) {
    HWND frame = reinterpret_cast<HWND>(w.window->window_handle());
    wchar_t text[128] = {};
    std::vector<std::string> words;
    GetWindowTextW(frame, text, 128);
    words.push_back(win32::narrow(text));
    for (const wchar_t* label : {L"存档路径：", L"Saves:"})
        if (FindWindowExW(frame, nullptr, nullptr, label)) words.push_back(win32::narrow(label));
    SendMessageW(reinterpret_cast<HWND>(w.组合框3->window_handle()), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    words.push_back(win32::narrow(text));
    HMENU menu = dynamic_cast<win32::Win32Menu&>(*w.无选项右键菜单).handle();
    GetMenuStringW(menu, 0, text, 128, MF_BYPOSITION);
    words.push_back(win32::narrow(text));
    GetMenuStringW(menu, dynamic_cast<win32::Win32MenuItem&>(*w.逆向排序).command_id(), text, 128, MF_BYCOMMAND);
    words.push_back(win32::narrow(text));
    words.push_back(w.状态条1->status_text(0));
    return words;
}

TEST_F(Options, SaveSwitchesTheLanguageAtOnceInBothDirectionsKeepingWhatIsShown) {
    w().组合框3->set_current_index(1);
    w().组合框5->set_current_index(1);
    driver->click(*w().按钮保存);
    EXPECT_EQ(stored("显示", "语言"), "en");
    EXPECT_EQ(words_shown(w()), (std::vector<std::string>{"Kistvar for Torchlight 2  v4.0", "Saves:", "Small icons",
                                                          "View", "Z to A", "In the slot:"}));
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "Back");
    EXPECT_EQ(w().组合框3->current_index(), 1) << "the drop-downs keep their choice";
    EXPECT_EQ(w().组合框3->item_value(1), 0);
    EXPECT_TRUE(save_screenshot("options-switched-to-english"));

    w().组合框5->set_current_index(0);
    driver->click(*w().按钮保存);
    EXPECT_EQ(stored("显示", "语言"), "zh");
    EXPECT_EQ(words_shown(w()), (std::vector<std::string>{"《火炬之光2》Kistvar  v4.0", "存档路径：", "小图标", "查看",
                                                          "逆向排序", "当前使用箱子："}));
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "返回");
}

}  // namespace
}  // namespace kistvar::test
