#include "base/Archive.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using veritom::CArchive;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Store(std::string text) {
    CArchive ar;
    ar.Transfer(text);
    return ar.Bytes();
}

std::string LoadText(Bytes bytes, bool* failed = nullptr) {
    CArchive ar(std::move(bytes));
    std::string text = "untouched";
    ar.Transfer(text);
    if (failed) {
        *failed = ar.Failed();
    }
    return text;
}

}  // namespace

TEST(Archive, NumbersAreLittleEndianInTheirNaturalWidth) {
    CArchive ar;
    std::uint8_t b = 0xAB;
    std::int16_t s = -2;
    std::int32_t i = 0x01020304;
    float f = 1.0f;
    double d = -2.0;
    ar.Transfer(b);
    ar.Transfer(s);
    ar.Transfer(i);
    ar.Transfer(f);
    ar.Transfer(d);
    const Bytes expected = {0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x80,
                            0x3F, 0,    0,    0,    0,    0,    0,    0x00, 0xC0};
    EXPECT_EQ(ar.Bytes(), expected);

    CArchive in(ar.Bytes());
    std::uint8_t b2 = 0;
    std::int16_t s2 = 0;
    std::int32_t i2 = 0;
    float f2 = 0;
    double d2 = 0;
    in.Transfer(b2);
    in.Transfer(s2);
    in.Transfer(i2);
    in.Transfer(f2);
    in.Transfer(d2);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(b2, b);
    EXPECT_EQ(s2, s);
    EXPECT_EQ(i2, i);
    EXPECT_EQ(f2, f);
    EXPECT_EQ(d2, d);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, CountedTextLengthForms) {
    EXPECT_EQ(Store(""), Bytes{0});
    EXPECT_EQ(Store("AB"), (Bytes{2, 'A', 'B'}));

    const Bytes at254 = Store(std::string(254, 'x'));
    EXPECT_EQ(at254[0], 254);
    EXPECT_EQ(at254.size(), 255u);

    const Bytes at255 = Store(std::string(255, 'x'));
    EXPECT_EQ((Bytes{at255.begin(), at255.begin() + 3}), (Bytes{0xFF, 0xFF, 0x00}));

    const Bytes at300 = Store(std::string(300, 'y'));
    ASSERT_EQ(at300.size(), 303u);
    EXPECT_EQ((Bytes{at300.begin(), at300.begin() + 3}), (Bytes{0xFF, 0x2C, 0x01}));

    const Bytes wide = Store(std::string(0x10000, 'z'));
    EXPECT_EQ((Bytes{wide.begin(), wide.begin() + 7}),
              (Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}));
    EXPECT_EQ(LoadText(wide), std::string(0x10000, 'z'));
    EXPECT_EQ(LoadText(at300), std::string(300, 'y'));
}

TEST(Archive, TextKeepsEveryCharacter) {
    // Windows-1252 has a byte for these, so they stay single-byte on disk.
    EXPECT_EQ(Store("°C €"), (Bytes{4, 0xB0, 'C', ' ', 0x80}));
    EXPECT_EQ(LoadText(Store("°C €")), "°C €");

    // No single-byte form: the Unicode form with the 0xFFFE marker, then UTF-16LE.
    const Bytes unicode = Store("Ω1");
    EXPECT_EQ(unicode, (Bytes{0xFF, 0xFE, 0xFF, 2, 0xA9, 0x03, '1', 0}));
    EXPECT_EQ(LoadText(unicode), "Ω1");
    EXPECT_EQ(LoadText(Store("m³ \xF0\x9F\x98\x80 Ω")), "m³ \xF0\x9F\x98\x80 Ω");
}

TEST(Archive, DamagedStreamsFailCleanly) {
    bool failed = false;
    // Length larger than what remains: no huge allocation, the value stays empty.
    EXPECT_EQ(LoadText(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, &failed), "");
    EXPECT_TRUE(failed);
    EXPECT_EQ(LoadText(Bytes{5, 'a', 'b'}, &failed), "");
    EXPECT_TRUE(failed);
    EXPECT_EQ(LoadText(Bytes{}, &failed), "");
    EXPECT_TRUE(failed);
    EXPECT_EQ(LoadText(Bytes{0xFF, 0xFE, 0xFF, 3, 'a', 0}, &failed), "");
    EXPECT_TRUE(failed);
    EXPECT_EQ(LoadText(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0}, &failed), "");
    EXPECT_TRUE(failed);

    CArchive ar(Bytes{1, 2, 3});
    std::int32_t value = 99;
    ar.Transfer(value);
    EXPECT_TRUE(ar.Failed());
    EXPECT_EQ(value, 0);
    std::uint8_t byte = 7;
    ar.Transfer(byte);  // still failed: a later read cannot succeed on a broken stream
    EXPECT_TRUE(ar.Failed());
    EXPECT_EQ(byte, 0);
}

// Four of the eight bytes of a double used to be taken as its value when the stream was cut.
TEST(Archive, DoubleCutInHalfReadsAsZero) {
    CArchive ar(Bytes{0x33, 0x33, 0x33, 0x33});
    double value = 2.4;
    ar.Transfer(value);
    EXPECT_TRUE(ar.Failed());
    EXPECT_EQ(value, 0.0);
}

// An empty block without a buffer reached memset and memcpy with a null pointer.
TEST(Archive, EmptyByteBlockNeedsNoBuffer) {
    CArchive ar(Bytes{});
    ar.TransferBytes(nullptr, 0);
    EXPECT_FALSE(ar.Failed());
    std::uint8_t byte = 0;
    ar.Transfer(byte);
    ar.TransferBytes(nullptr, 0);
    EXPECT_TRUE(ar.Failed());
    CArchive out;
    out.TransferBytes(nullptr, 0);
    EXPECT_TRUE(out.Bytes().empty());
}

TEST(Archive, ElementCountForms) {
    for (std::uint32_t count : {0u, 0xFFFEu, 0xFFFFu, 0x12345u}) {
        CArchive out;
        out.TransferCount(count);
        const std::size_t expectedSize = count < 0xFFFF ? 2 : 6;
        EXPECT_EQ(out.Bytes().size(), expectedSize);
        Bytes withElements = out.Bytes();
        withElements.resize(withElements.size() + count);
        CArchive in(withElements);
        std::uint32_t read = 1;
        in.TransferCount(read);
        EXPECT_EQ(read, count);
        EXPECT_FALSE(in.Failed());
    }
    CArchive tooMany(Bytes{0x10, 0x00, 1, 2});
    std::uint32_t count = 0;
    tooMany.TransferCount(count);
    EXPECT_TRUE(tooMany.Failed());
    EXPECT_EQ(count, 0u);
}
