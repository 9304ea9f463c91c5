// The losses the random sequences found, one case each.
#include <gtest/gtest.h>

#include "logic/library_fixture.h"
#include "platform/dialogs.h"

namespace kistvar {
namespace {

using fault_seam::FileCall;
using test::box_on_disk;
using test::write_on_disk;

class FoundLosses : public test::Library {
protected:
    // Searches for the path fail, as if the box were not there.
    static void searches_miss(std::string fragment) {
        fault_seam::arm([fragment](FileCall call, std::string_view path, std::uint64_t) {
            return call == FileCall::find_first && path.find(fragment) != std::string_view::npos;
        });
    }
    // Writes of MYBOX.ini fail from now on.
    static void settings_unwritable() {
        fault_seam::arm([](FileCall call, std::string_view path, std::uint64_t) {
            return call == FileCall::open_for_write && path.find("MYBOX.ini") != std::string_view::npos;
        });
    }
};

TEST_F(FoundLosses, TheBoxInUseIsNeverParkedOverABoxTheSearchMissed) {
    put_stash("M in the slot");
    put_my_box("M", "another M");
    put_my_box("T", "T");
    start_library("M");
    select(mine(), "T");
    searches_miss("MYBOX\\M.bin");
    driver->click(*w().超级按钮更换);
    EXPECT_EQ(box_on_disk(my_box("M")), "another M");
    EXPECT_EQ(box_on_disk(stash()), "M in the slot");
    EXPECT_EQ(box_on_disk(my_box("T")), "T");
}

TEST_F(FoundLosses, ADropOrSaveAsNeverReplacesABoxTheSearchMissed) {
    put_saved_box("a", "saved a");
    put_my_box("b", "my b");
    test::make_folder_on_disk(temp / "elsewhere");
    test::write_on_disk(temp / "elsewhere" + "\\a.bin", test::stash_holding("dropped a"));
    start_library("别的箱子");

    searches_miss("box\\a.bin");
    driver->drop_files(saved(), {temp / "elsewhere" + "\\a.bin"});
    EXPECT_EQ(box_on_disk(saved_box("a")), "saved a");

    select(mine(), "b");
    driver->answer_input_box("a");
    driver->click(*w().超级按钮另存);
    EXPECT_EQ(box_on_disk(saved_box("a")), "saved a");
    shown();
}

TEST_F(FoundLosses, AMyBoxEntersTheSlotOnlyOnceMYBOXiniNamesIt) {
    put_stash("copy of a saved box");
    put_my_box("T", "T");
    start_library("别的箱子");
    select(mine(), "T");
    settings_unwritable();
    driver->click(*w().超级按钮更换);
    fault_seam::disarm();
    // Had T gone into the slot, a restart would read "别的箱子" and overwrite it.
    EXPECT_EQ(box_on_disk(my_box("T")), "T");
    EXPECT_EQ(stored_marker(), "别的箱子");
    EXPECT_EQ(app->state.paths[in_use_marker], "别的箱子");
    shown();
}

TEST_F(FoundLosses, AnotherStashSlotIsKeptAsABoxNotTakenForASavedBoxCopy) {
    put_stash("copy of a saved box");
    write_on_disk(save_folder + "\\sharedstashh_v2.bin", "the hardcore game's stash");
    put_saved_box("S", "S");
    start_library("别的箱子");

    driver->click(*w().超级按钮高级);
    w().组合框2->set_current_index(1);  // hardcore
    driver->click(*w().按钮保存);
    driver->click(*w().超级按钮高级);
    EXPECT_EQ(app->state.paths[in_use_marker], "MYBOX 1");
    EXPECT_EQ(stored_marker(), "MYBOX 1");

    select(saved(), "S");
    driver->click(*w().超级按钮更换);
    EXPECT_EQ(box_on_disk(my_box("MYBOX 1")), "the hardcore game's stash");
    EXPECT_EQ(box_on_disk(save_folder + "\\sharedstashh_v2.bin"), "S");
    shown();
}

TEST_F(FoundLosses, WhenTheNewSlotCannotBeNamedTheOptionsAreNotStored) {
    put_stash("copy of a saved box");
    start_library("别的箱子");
    driver->click(*w().超级按钮高级);
    w().组合框2->set_current_index(1);
    settings_unwritable();
    driver->click(*w().按钮保存);
    fault_seam::disarm();
    EXPECT_EQ(app->state.stash_file_name, "sharedstash_v2.bin");
    EXPECT_EQ(app->state.paths[in_use_marker], "别的箱子");
}

}  // namespace
}  // namespace kistvar
