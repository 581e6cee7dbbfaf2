#include <gtest/gtest.h>

#include "app/VeritomMsgList.h"
#include "base/Archive.h"

namespace veritom {
namespace {

TEST(VeritomMsgList, NumberIsKeptOnce) {
    CVeritomMsgList list;
    EXPECT_TRUE(list.AddMessage(7, "seven"));
    EXPECT_TRUE(list.AddMessage(3, "three"));
    EXPECT_FALSE(list.AddMessage(7, "again"));
    EXPECT_TRUE(list.HasMessage(3));
    EXPECT_FALSE(list.HasMessage(4));
    EXPECT_EQ(list.Texts(), (std::vector<std::string>{"seven", "three"}));

    CVeritomMsgList copy;
    copy.AddMessage(1, "old");
    copy.CopyFrom(list);
    EXPECT_EQ(copy.Entries(), list.Entries());
    copy.RemoveAll();
    EXPECT_EQ(copy.GetCount(), 0u);
}

TEST(VeritomMsgList, ArchiveFormIsCountThenNumberAndText) {
    CVeritomMsgList list;
    list.AddMessage(0x01020304, "ab");
    list.AddMessage(-1, "");
    CArchive out;
    list.Serialize(out);
    const std::vector<std::uint8_t> expected = {2,    0,                              // count
                                                4,    3,    2,    1,    2, 'a', 'b',  // first entry
                                                0xFF, 0xFF, 0xFF, 0xFF, 0};
    EXPECT_EQ(out.Bytes(), expected);

    CVeritomMsgList loaded;
    loaded.AddMessage(9, "kept");
    CArchive in(expected);
    loaded.Serialize(in);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(loaded.Texts(), (std::vector<std::string>{"kept", "ab", ""}));
    EXPECT_TRUE(loaded.HasMessage(-1));
}

TEST(VeritomMsgList, TruncatedStreamAddsNothing) {
    CVeritomMsgList list;
    list.AddMessage(5, "five");
    list.AddMessage(6, "six");
    CArchive out;
    list.Serialize(out);
    std::vector<std::uint8_t> bytes = out.Bytes();
    bytes.pop_back();

    CVeritomMsgList loaded;
    CArchive in(bytes);
    loaded.Serialize(in);
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(loaded.GetCount(), 0u);
}

}  // namespace
}  // namespace veritom
