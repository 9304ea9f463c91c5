// Save as through the real input box, new box, renaming in place in the real
// list, and delete with its real confirmation.
#include <set>

#include "e2e/e2e_fixture.h"
#include "platform/dialogs.h"

namespace kistvar::test {
namespace {

class Editing : public SmallLibrary {
protected:
    void rename_from_menu(ui::ListView& list, std::string_view title, std::optional<std::string> typed) {
        driver->answer_popup_menu(w().重命名.get());
        driver->right_click_item(list, index_of(list, title));
        driver->finish_label_edit(list, std::move(typed));
    }
};

TEST_F(Editing, SaveAsCopiesTheChosenMyBoxIntoANewSavedBox) {
    select(mine(), "T");
    driver->answer_input_box("copy of T");
    driver->click(*w().超级按钮另存);

    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, ShownDialog::Kind::input_box);
    EXPECT_EQ(dialogs[0].text, "下面箱子将被另存,请输入一个名称。\r\n\r\n        T");
    EXPECT_EQ(dialogs[0].caption, "箱子另存为");
    EXPECT_EQ(box_on_disk(saved_box("copy of T")), "content of T");
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"copy of T", "S"}));
    EXPECT_EQ(saved().selected_item(), index_of(saved(), "copy of T"));
    EXPECT_EQ(mine().selected_item(), index_of(mine(), "T")) << "the source stays selected";
}

TEST_F(Editing, SaveAsOfTheBoxInUseCopiesTheStashFromTheMenu) {
    driver->answer_popup_menu(w().另存为.get());
    driver->answer_input_box("snapshot");
    driver->right_click_item(mine(), index_of(mine(), "M"));
    EXPECT_EQ(box_on_disk(saved_box("snapshot")), "content of M");
    EXPECT_EQ(box_on_disk(stash()), "content of M");
}

TEST_F(Editing, SaveAsUnderATakenNameAsksAgainAndCancelEndsIt) {
    select(saved(), "S");
    driver->answer_input_box("S");
    driver->answer_input_box(std::nullopt);
    driver->click(*w().超级按钮另存);
    auto dialogs = shown();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].kind, ShownDialog::Kind::input_box);
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"S"}));
}

TEST_F(Editing, NewBoxWritesAnEmptyStashAndNeverReplacesOne) {
    driver->click(*w().超级按钮新建);
    driver->click(*w().超级按钮新建);

    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "新建我的箱子成功！  ^_^");
    EXPECT_EQ(style_of(messages[0]), 64);

    const std::string empty_stash("\x42\x00\x00\x00\x01\x53\x46\xD4\x78\x00\x00\x00\x00\x11\x00\x00\x00", 17);
    std::set<std::string> new_titles;
    for (const auto& title : titles(mine()))
        if (title != "M" && title != "T") new_titles.insert(title);
    ASSERT_EQ(new_titles.size(), 2u) << "two boxes, two titles";
    for (const auto& title : new_titles) {
        EXPECT_EQ(title.rfind("MYBOX ", 0), 0u) << title;
        EXPECT_EQ(box_on_disk(my_box(title)), empty_stash) << title;
    }
    EXPECT_EQ(mine().get_item_title(mine().selected_item()).rfind("MYBOX ", 0), 0u);
    EXPECT_EQ(box_on_disk(stash()), "content of M");
}

TEST_F(Editing, RenameConfirmedRenamesTheFile) {
    rename_from_menu(mine(), "T", "Treasure");
    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(box_on_disk(my_box("Treasure")), "content of T");
    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "Treasure"}));

    rename_from_menu(saved(), "S", "Starter");
    EXPECT_EQ(box_on_disk(saved_box("Starter")), "template S");
    EXPECT_FALSE(exists_on_disk(saved_box("S")));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"Starter"}));
}

TEST_F(Editing, RenameCancelledChangesNothing) {
    rename_from_menu(mine(), "T", std::nullopt);
    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(box_on_disk(my_box("T")), "content of T");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "T"}));
}

TEST_F(Editing, RenameOfTheBoxInUseRenamesTheMarker) {
    rename_from_menu(mine(), "M", "Main");
    EXPECT_EQ(stored("状态", "正在使用"), "Main");
    EXPECT_EQ(status(), "Main");
    EXPECT_EQ(items(mine()), (Items{{"Main", 1}, {"T", 0}}));
    EXPECT_EQ(box_on_disk(stash()), "content of M");

    // It goes home under its new title.
    select(mine(), "T");
    driver->click(*w().超级按钮更换);
    EXPECT_EQ(box_on_disk(my_box("Main")), "content of M");
    EXPECT_EQ(box_on_disk(stash()), "content of T");
}

TEST_F(Editing, RenameOntoAnotherBoxsTitleIsRefusedAndKeepsBoth) {
    put_saved_box("R", "template R");
    driver->click(*w().超级按钮刷新);
    rename_from_menu(saved(), "S", "R");
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("重命名箱子  S  失败！  ToT", 0), 0u) << messages[0].text;
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_EQ(box_on_disk(saved_box("R")), "template R");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"R", "S"}));
}

TEST_F(Editing, DeleteConfirmedRemovesTheFileAndTheItem) {
    select(mine(), "T");
    driver->answer_message_box(result_ok);
    driver->click(*w().超级按钮删除);
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "将删除箱子  T ，是否确认删除？");
    EXPECT_EQ(style_of(messages[0]), 33);
    EXPECT_EQ(messages[1].text, "删除箱子  T  成功！  ^_^");
    EXPECT_FALSE(exists_on_disk(my_box("T")));
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M"}));
    // Backed up before it went to the Recycle Bin: a bin may delete for good.
    EXPECT_TRUE(exists_on_disk(box_folder + "\\备份"));
}

TEST_F(Editing, DeleteCancelledKeepsEverything) {
    driver->answer_popup_menu(w().删除.get());
    driver->answer_message_box(result_cancel);
    driver->right_click_item(saved(), index_of(saved(), "S"));
    auto messages = shown_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "将删除箱子  S ，是否确认删除？");
    EXPECT_EQ(box_on_disk(saved_box("S")), "template S");
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"S"}));
}

TEST_F(Editing, DeleteOfTheBoxInUseDoesNothing) {
    select(mine(), "M");
    driver->click(*w().超级按钮删除);
    EXPECT_TRUE(shown_messages().empty());
    EXPECT_EQ(box_on_disk(stash()), "content of M");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"M", "T"}));
}

}  // namespace
}  // namespace kistvar::test
