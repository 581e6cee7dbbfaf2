#include <gtest/gtest.h>

#include "MemoryConfigStore.h"
#include "app/RecentFileList.h"

namespace veritom {
namespace {

using Entries = std::vector<std::string>;
const std::string kKey = "Software\\Test\\Recent File List";

TEST(RecentFileListTest, NewestFirstWithoutDuplicatesUpToItsCapacity) {
    CRecentFileList list(4);
    for (const char* path : {"/a.mrv", "/b.mrv", "/c.mrv", "/d.mrv"}) {
        list.Add(path);
    }
    EXPECT_EQ(list.Entries(), (Entries{"/d.mrv", "/c.mrv", "/b.mrv", "/a.mrv"}));

    list.Add("/b.mrv");  // moves up instead of appearing twice
    EXPECT_EQ(list.Entries(), (Entries{"/b.mrv", "/d.mrv", "/c.mrv", "/a.mrv"}));

    list.Add("/e.mrv");  // the oldest falls off
    EXPECT_EQ(list.Entries(), (Entries{"/e.mrv", "/b.mrv", "/d.mrv", "/c.mrv"}));

    list.Add("");
    list.Remove(7);
    EXPECT_EQ(list.Entries().size(), 4u);
    list.Remove(1);
    EXPECT_EQ(list.Entries(), (Entries{"/e.mrv", "/d.mrv", "/c.mrv"}));
}

TEST(RecentFileListTest, SavedListReadsBackAndAShorterOneLeavesNoStaleEntry) {
    test::MemoryConfigStore store;
    CRecentFileList list(4);
    for (const char* path : {"/a.mrv", "/b.mrv", "/c.mrv"}) {
        list.Add(path);
    }
    ASSERT_TRUE(list.Save(store, kKey));
    list.Remove(0);
    ASSERT_TRUE(list.Save(store, kKey));

    CRecentFileList read(4);
    read.Load(store, kKey);
    EXPECT_EQ(read.Entries(), (Entries{"/b.mrv", "/a.mrv"}));

    // Values written by hand: empties and repeats are skipped, slots past the capacity unread.
    store.Set(Hive::CurrentUser, kKey, "File1", "/x.mrv");
    store.Set(Hive::CurrentUser, kKey, "File2", "");
    store.Set(Hive::CurrentUser, kKey, "File3", "/x.mrv");
    store.Set(Hive::CurrentUser, kKey, "File4", "/y.mrv");
    store.Set(Hive::CurrentUser, kKey, "File5", "/z.mrv");
    read.Load(store, kKey);
    EXPECT_EQ(read.Entries(), (Entries{"/x.mrv", "/y.mrv"}));

    store.failWrites = true;
    EXPECT_FALSE(read.Save(store, kKey));
}

TEST(RecentFileListTest, MenuTextNumbersTheFileNameAndKeepsAmpersands) {
    EXPECT_EQ(CRecentFileList::MenuText(0, "/home/u/Documents/Morvane/pump.mrv"), "&1 pump.mrv");
    EXPECT_EQ(CRecentFileList::MenuText(3, "C:\\sel\\R&D.mrv"), "&4 R&&D.mrv");
    EXPECT_EQ(CRecentFileList::MenuText(1, "plain.mrv"), "&2 plain.mrv");
}

}  // namespace
}  // namespace veritom
