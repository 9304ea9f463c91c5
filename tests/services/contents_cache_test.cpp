// The contents cache against the real disk: a box file is read once until
// its size or time changes, and a huge file is refused from its size.
#include "stash/contents_cache.h"

#include <gtest/gtest.h>

#include "platform/fault_seam.h"
#include "support/stash_writer.h"
#include "support/temp_folder.h"

namespace kistvar {
namespace {

using test::write_on_disk;

TEST(ContentsCache, ReadsAFileOnceUntilItChanges) {
    test::TempFolder folder;
    const std::string box = folder / "box.bin";
    write_on_disk(box, test::stash_holding("Sword"));
    stash::ContentsCache cache;
    EXPECT_EQ(cache.contents_of(box)->items.at(0).name, "Sword");
    EXPECT_EQ(cache.contents_of(box)->items.at(0).name, "Sword");
    EXPECT_EQ(cache.reads(), 1u);

    write_on_disk(box, test::stash_holding("Longsword"));
    EXPECT_EQ(cache.contents_of(box)->items.at(0).name, "Longsword");
    EXPECT_EQ(cache.reads(), 2u);

    // A file that cannot be read is not remembered: the next look tries again.
    fault_seam::arm([](fault_seam::FileCall call, std::string_view, std::uint64_t) {
        return call == fault_seam::FileCall::read_file;
    });
    write_on_disk(box, test::stash_holding("Axe"));
    EXPECT_EQ(cache.contents_of(box)->problem, stash::Problem::cannot_read);
    fault_seam::disarm();
    EXPECT_EQ(cache.contents_of(box)->items.at(0).name, "Axe");

    EXPECT_EQ(cache.contents_of(folder / "missing.bin")->problem, stash::Problem::cannot_read);
}

TEST(ContentsCache, AFileOverTheLimitIsRefusedWithoutBeingRead) {
    test::TempFolder folder;
    const std::string huge = folder / "huge.bin";
    write_on_disk(huge, std::string(stash::largest_stash_size + 1, 'x'));
    fault_seam::arm([](fault_seam::FileCall call, std::string_view, std::uint64_t) {
        return call == fault_seam::FileCall::read_file;  // a read would show as cannot_read
    });
    stash::ContentsCache cache;
    EXPECT_EQ(cache.contents_of(huge)->problem, stash::Problem::too_large);
    fault_seam::disarm();
}

}  // namespace
}  // namespace kistvar
