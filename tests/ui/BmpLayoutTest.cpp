#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "BmpBytes.h"
#include "data/BmpLayout.h"

namespace veritom {
namespace {

using test::MakeBmp;
using test::Put16;
using test::Put32;
using Bytes = std::vector<unsigned char>;

TEST(BmpLayout, ReadsAPalettedBitmapWithItsColoursInRedGreenBlueOrder) {
    const Bytes bytes = MakeBmp(5, 3, 8, {0x102030, 0xA0B0C0, 0xFF0000});
    BmpLayout layout;
    ASSERT_EQ(ReadBmpLayout(bytes, layout), BmpStatus::Ok);
    EXPECT_EQ(layout.width, 5);
    EXPECT_EQ(layout.height, 3);
    EXPECT_EQ(layout.bitCount, 8);
    EXPECT_EQ(layout.colorCount, 3u);
    EXPECT_EQ(layout.pixelSize, 8u * 3u);  // rows padded to 4 bytes
    EXPECT_EQ(layout.palette, (std::vector<std::uint32_t>{0x102030, 0xA0B0C0, 0xFF0000}));
}

TEST(BmpLayout, CountsAFullColourTableWhenTheHeaderLeavesItAtZero) {
    Bytes bytes = MakeBmp(2, 2, 4, std::vector<std::uint32_t>(16, 0x808080));
    Put32(bytes, 46, 0);
    BmpLayout layout;
    ASSERT_EQ(ReadBmpLayout(bytes, layout), BmpStatus::Ok);
    EXPECT_EQ(layout.colorCount, 16u);
    EXPECT_EQ(DefaultColorCount(1), 2u);
    EXPECT_EQ(DefaultColorCount(24), 0u);
}

TEST(BmpLayout, AcceptsTopDownAndCoreHeaderBitmaps) {
    BmpLayout layout;
    EXPECT_EQ(ReadBmpLayout(MakeBmp(4, -4, 24), layout), BmpStatus::Ok);
    EXPECT_EQ(layout.pixelSize, 12u * 4u);

    // The 12-byte header of the oldest bitmaps, with a three-byte colour table.
    Bytes core(14 + 12 + 2 * 3 + 4, 0);
    core[0] = 'B';
    core[1] = 'M';
    Put32(core, 10, 14 + 12 + 6);
    Put32(core, 14, 12);
    Put16(core, 18, 1);
    Put16(core, 20, 1);
    Put16(core, 22, 1);
    Put16(core, 24, 1);
    core[26] = 0x11;
    core[27] = 0x22;
    core[28] = 0x33;
    ASSERT_EQ(ReadBmpLayout(core, layout), BmpStatus::Ok);
    EXPECT_EQ(layout.colorCount, 2u);
    EXPECT_EQ(layout.palette.front(), 0x332211u);
}

TEST(BmpLayout, RejectsDamagedFilesWithoutReadingPastTheirEnd) {
    struct Case {
        std::string name;
        std::function<Bytes()> make;
        BmpStatus expected;
    };
    const auto changed = [](std::function<void(Bytes&)> change) {
        return [change] {
            Bytes bytes = MakeBmp(4, 4, 8, {0, 0xFFFFFF});
            change(bytes);
            return bytes;
        };
    };
    const std::vector<Case> cases = {
        {"empty", [] { return Bytes{}; }, BmpStatus::Short},
        {"shorter than a file header",
         [] {
             return Bytes{'B', 'M', 0, 0};
         },
         BmpStatus::Short},
        {"other signature", changed([](Bytes& b) { b[0] = 'P'; }), BmpStatus::BadSignature},
        {"file header only", changed([](Bytes& b) { b.resize(14); }), BmpStatus::Short},
        {"info header cut", changed([](Bytes& b) { b.resize(30); }), BmpStatus::Short},
        {"colour table cut", changed([](Bytes& b) { b.resize(56); }), BmpStatus::Short},
        {"pixels cut", changed([](Bytes& b) { b.pop_back(); }), BmpStatus::Short},
        {"pixel offset past the end", changed([](Bytes& b) { Put32(b, 10, 100000); }),
         BmpStatus::Short},
        {"pixel offset inside the headers", changed([](Bytes& b) { Put32(b, 10, 20); }),
         BmpStatus::Invalid},
        {"colour table over the pixels", changed([](Bytes& b) { Put32(b, 46, 4); }),
         BmpStatus::Invalid},
        {"more colours than the bit count allows", changed([](Bytes& b) { Put32(b, 46, 257); }),
         BmpStatus::Invalid},
        {"unknown header size", changed([](Bytes& b) { Put32(b, 14, 41); }), BmpStatus::Invalid},
        {"unknown bit count", changed([](Bytes& b) { Put16(b, 28, 7); }), BmpStatus::Invalid},
        {"two planes", changed([](Bytes& b) { Put16(b, 26, 2); }), BmpStatus::Invalid},
        {"zero width", changed([](Bytes& b) { Put32(b, 18, 0); }), BmpStatus::Invalid},
        {"zero height", changed([](Bytes& b) { Put32(b, 22, 0); }), BmpStatus::Invalid},
        {"negative width", changed([](Bytes& b) { Put32(b, 18, 0xFFFFFFF0); }), BmpStatus::Invalid},
        {"absurd height", changed([](Bytes& b) { Put32(b, 22, 0x7FFFFFFF); }), BmpStatus::Invalid},
        {"compressed picture inside", changed([](Bytes& b) { Put32(b, 30, 4); }),
         BmpStatus::Invalid},
        {"run-length coding of the wrong depth", changed([](Bytes& b) { Put32(b, 30, 2); }),
         BmpStatus::Invalid},
    };
    for (const Case& c : cases) {
        BmpLayout layout;
        EXPECT_EQ(ReadBmpLayout(c.make(), layout), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace veritom
