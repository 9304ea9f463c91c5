// The losses the random sequences found, one case each, on the box store.
#include <gtest/gtest.h>

#include "platform/fault_seam.h"
#include "platform/settings_file.h"
#include "settings/settings_procedures.h"
#include "store/box_editing.h"
#include "store/drop_import.h"
#include "store/stash_slot.h"
#include "store/swap.h"
#include "support/box_tag.h"
#include "support/headless/script.h"
#include "support/temp_folder.h"

namespace kistvar {
namespace {

using fault_seam::FileCall;
using test::box_on_disk;
using test::write_on_disk;

class FoundLosses : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        test::make_folder_on_disk(places.save_folder);
        test::make_folder_on_disk(places.box_folder);
        test::make_folder_on_disk(store::my_boxes_folder(places));
    }
    void TearDown() override {
        fault_seam::disarm();
        headless::reset();
    }

    void put(const std::string& path, std::string_view content) { write_on_disk(path, test::stash_holding(content)); }
    std::string stash() const { return store::stash_file(places); }
    std::string my_box(std::string_view title) const { return store::my_box_file(places, title); }
    std::string saved_box(std::string_view title) const { return store::saved_box_file(places, title); }
    std::string stored_marker() const { return read_setting(places.settings_file, "状态", "正在使用"); }

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

    test::TempFolder temp;
    store::Places places{temp / "save", temp / "box", "sharedstash_v2.bin", temp / "MYBOX.ini", "MYBOX 1"};
};

TEST_F(FoundLosses, TheBoxInUseIsNeverParkedOverABoxTheSearchMissed) {
    put(stash(), "M in the slot");
    put(my_box("M"), "another M");
    put(my_box("T"), "T");
    places.marker = "M";
    searches_miss("MYBOX\\M.bin");
    EXPECT_NE(store::swap(places, "T", true).result, store::SwapResult::swapped);
    EXPECT_EQ(box_on_disk(my_box("M")), "another M");
    EXPECT_EQ(box_on_disk(stash()), "M in the slot");
    EXPECT_EQ(box_on_disk(my_box("T")), "T");
}

TEST_F(FoundLosses, ADropOrSaveAsNeverReplacesABoxTheSearchMissed) {
    put(saved_box("a"), "saved a");
    put(my_box("b"), "my b");
    test::make_folder_on_disk(temp / "elsewhere");
    put(temp / "elsewhere" + "\\a.bin", "dropped a");
    places.marker = "别的箱子";

    searches_miss("box\\a.bin");
    const store::Drop drop = store::read_drop(places, false, temp / "elsewhere" + "\\a.bin");
    ASSERT_EQ(drop.result, store::DropResult::importable);
    EXPECT_FALSE(store::destination_taken(drop));
    EXPECT_FALSE(store::import_box(places, drop, false).done());
    EXPECT_EQ(box_on_disk(saved_box("a")), "saved a");

    EXPECT_FALSE(store::saved_box_exists(places, "a"));
    EXPECT_FALSE(store::save_as(places, store::BoxKind::mine, "b", "a").done());
    EXPECT_EQ(box_on_disk(saved_box("a")), "saved a");
}

TEST_F(FoundLosses, AMyBoxEntersTheSlotOnlyOnceMYBOXiniNamesIt) {
    put(stash(), "copy of a saved box");
    put(my_box("T"), "T");
    places.marker = "别的箱子";
    write_in_use_marker(places.settings_file, places.marker);
    settings_unwritable();
    EXPECT_EQ(store::swap(places, "T", true).marker, "别的箱子");
    fault_seam::disarm();
    // Had T gone into the slot, a restart would read "别的箱子" and overwrite it.
    EXPECT_EQ(box_on_disk(my_box("T")), "T");
    EXPECT_EQ(stored_marker(), "别的箱子");
}

TEST_F(FoundLosses, AnotherStashSlotIsKeptAsABoxNotTakenForASavedBoxCopy) {
    put(stash(), "copy of a saved box");
    const std::string hardcore_stash = places.save_folder + "\\sharedstashh_v2.bin";
    put(hardcore_stash, "the hardcore game's stash");
    put(saved_box("S"), "S");
    places.marker = "别的箱子";

    // The options now name the hardcore slot.
    const std::optional<store::Outcome> named = store::name_box_in_slot(places, hardcore_stash);
    ASSERT_TRUE(named.has_value());
    EXPECT_TRUE(named->done());
    EXPECT_EQ(named->title, "MYBOX 1");
    EXPECT_EQ(stored_marker(), "MYBOX 1");

    places.stash_file_name = "sharedstashh_v2.bin";
    places.marker = named->title;
    EXPECT_EQ(store::swap(places, "S", false).result, store::SwapResult::swapped);
    EXPECT_EQ(box_on_disk(my_box("MYBOX 1")), "the hardcore game's stash");
    EXPECT_EQ(box_on_disk(hardcore_stash), "S");
}

}  // namespace
}  // namespace kistvar
