#pragma once

#include <cstdint>
#include <vector>

namespace veritom::test {

inline void Put16(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

inline void Put32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// A complete uncompressed BMP file with a 40-byte header. Pixels of 24 or 32 bits are all
// fillRgb; pixels of 8 bits or fewer all use colour-table entry fillIndex.
inline std::vector<unsigned char> MakeBmp(int width, int height, int bitCount,
                                          const std::vector<std::uint32_t>& palette = {},
                                          std::uint32_t fillRgb = 0x336699,
                                          unsigned fillIndex = 1) {
    const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
    const std::size_t pixelOffset = 14 + 40 + 4 * palette.size();
    std::vector<unsigned char> bytes(pixelOffset + stride * rows, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    Put32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<std::uint32_t>(width));
    Put32(bytes, 22, static_cast<std::uint32_t>(height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, static_cast<std::uint32_t>(bitCount));
    Put32(bytes, 34, static_cast<std::uint32_t>(stride * rows));
    Put32(bytes, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = 54 + 4 * i;
        bytes[at] = static_cast<unsigned char>(palette[i]);
        bytes[at + 1] = static_cast<unsigned char>(palette[i] >> 8);
        bytes[at + 2] = static_cast<unsigned char>(palette[i] >> 16);
    }
    for (std::size_t row = 0; row < rows; ++row) {
        unsigned char* line = bytes.data() + pixelOffset + row * stride;
        for (int x = 0; x < width; ++x) {
            if (bitCount == 24 || bitCount == 32) {
                unsigned char* px = line + static_cast<std::size_t>(x) * (bitCount / 8);
                px[0] = static_cast<unsigned char>(fillRgb);
                px[1] = static_cast<unsigned char>(fillRgb >> 8);
                px[2] = static_cast<unsigned char>(fillRgb >> 16);
            } else if (bitCount == 8) {
                line[x] = static_cast<unsigned char>(fillIndex);
            }
        }
    }
    return bytes;
}

}  // namespace veritom::test
