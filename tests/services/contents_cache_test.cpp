// The contents cache against the real disk: a box file is read once until
// its size or time changes, and a huge file is refused from its size.
#include "stash/contents_cache.h"

#include <gtest/gtest.h>

#include "platform/fault_seam.h"
#include "stash/stash_reader.h"
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

// Past its bound the cache lets go of the box asked for longest ago.
TEST(ContentsCache, KeepsTheBoxesAskedForLastWithinItsBound) {
    test::TempFolder folder;
    for (const char* name : {"a", "b", "c"}) write_on_disk(folder / name, test::stash_holding(name));
    const std::size_t one_box =
        stash::estimated_size(stash::read_stash(test::stash_holding("a"))) + (folder / "a").size();
    stash::ContentsCache cache(2 * one_box + one_box / 2);
    cache.contents_of(folder / "a");
    cache.contents_of(folder / "b");
    cache.contents_of(folder / "a");
    cache.contents_of(folder / "c");  // b goes
    EXPECT_EQ(cache.reads(), 3u);
    EXPECT_EQ(cache.contents_of(folder / "a")->items.at(0).name, "a");
    EXPECT_EQ(cache.reads(), 3u);
    EXPECT_EQ(cache.contents_of(folder / "b")->items.at(0).name, "b");
    EXPECT_EQ(cache.reads(), 4u);
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
