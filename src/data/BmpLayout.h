#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace veritom {

// What the headers of a BMP file say, checked against the bytes that are really there.
enum class BmpStatus {
    Ok,
    Short,         // fewer bytes than a file header, or than the headers promise
    BadSignature,  // does not begin with "BM"
    Invalid,       // header values that no readable bitmap has
};

struct BmpLayout {
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoHeaderSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative for rows stored top-down
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorCount = 0;        // entries of the colour table
    std::uint64_t pixelSize = 0;         // bytes of pixel data
    std::vector<std::uint32_t> palette;  // the colour table as 0xRRGGBB
};

// Reads and checks the headers of a whole BMP file. Every offset and size is checked
// against bytes.size(), so a damaged file can never make a reader run past its end.
BmpStatus ReadBmpLayout(std::span<const unsigned char> bytes, BmpLayout& layout);

// Colour-table entries of a bitmap whose header leaves the count at 0.
std::uint32_t DefaultColorCount(std::uint16_t bitCount);

}  // namespace veritom
