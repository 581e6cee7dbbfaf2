#include "data/BmpLayout.h"

#include <cstdlib>

namespace veritom {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::int64_t kMaxDimension = 32767;
constexpr std::uint64_t kMaxPixelBytes = std::uint64_t{1} << 30;

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kAlphaBitFields = 6,
};

std::uint16_t Read16(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) |
           (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

bool IsKnownInfoHeaderSize(std::uint32_t size) {
    return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 || size == 108 ||
           size == 124;
}

bool IsKnownBitCount(std::uint16_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

bool CompressionFits(std::uint32_t compression, std::uint16_t bitCount, std::int32_t height) {
    switch (compression) {
        case kRgb:
            return true;
        case kRle8:
            return bitCount == 8 && height > 0;
        case kRle4:
            return bitCount == 4 && height > 0;
        case kBitFields:
        case kAlphaBitFields:
            return bitCount == 16 || bitCount == 32;
        default:
            return false;
    }
}

// Masks that follow a 40-byte header instead of being part of it.
std::uint32_t SeparateMaskBytes(const BmpLayout& layout) {
    if (layout.infoHeaderSize != 40) {
        return 0;
    }
    if (layout.compression == kBitFields) {
        return 12;
    }
    return layout.compression == kAlphaBitFields ? 16 : 0;
}

BmpStatus ReadInfoHeader(std::span<const unsigned char> bytes, BmpLayout& layout) {
    constexpr std::size_t at = kFileHeaderSize;
    if (layout.infoHeaderSize == kCoreHeaderSize) {
        layout.width = Read16(bytes, at + 4);
        layout.height = Read16(bytes, at + 6);
        layout.bitCount = Read16(bytes, at + 10);
        if (Read16(bytes, at + 8) != 1 || !IsKnownBitCount(layout.bitCount)) {
            return BmpStatus::Invalid;
        }
        layout.colorCount = DefaultColorCount(layout.bitCount);
        return BmpStatus::Ok;
    }
    layout.width = static_cast<std::int32_t>(Read32(bytes, at + 4));
    layout.height = static_cast<std::int32_t>(Read32(bytes, at + 8));
    layout.bitCount = Read16(bytes, at + 14);
    layout.compression = Read32(bytes, at + 16);
    const std::uint32_t colorsUsed = Read32(bytes, at + 32);
    if (Read16(bytes, at + 12) != 1 || !IsKnownBitCount(layout.bitCount) ||
        !CompressionFits(layout.compression, layout.bitCount, layout.height)) {
        return BmpStatus::Invalid;
    }
    const std::uint32_t maxColors = layout.bitCount <= 8 ? DefaultColorCount(layout.bitCount) : 256;
    if (colorsUsed > maxColors) {
        return BmpStatus::Invalid;
    }
    layout.colorCount = colorsUsed != 0 ? colorsUsed : DefaultColorCount(layout.bitCount);
    return BmpStatus::Ok;
}

BmpStatus ReadPalette(std::span<const unsigned char> bytes, BmpLayout& layout) {
    const std::uint64_t entrySize = layout.infoHeaderSize == kCoreHeaderSize ? 3 : 4;
    const std::uint64_t start = kFileHeaderSize + layout.infoHeaderSize + SeparateMaskBytes(layout);
    const std::uint64_t end = start + entrySize * layout.colorCount;
    if (end > bytes.size()) {
        return BmpStatus::Short;
    }
    if (end > layout.pixelOffset) {
        return BmpStatus::Invalid;
    }
    layout.palette.clear();
    layout.palette.reserve(layout.colorCount);
    for (std::uint64_t entry = start; entry < end; entry += entrySize) {
        const std::size_t i = static_cast<std::size_t>(entry);
        layout.palette.push_back((std::uint32_t{bytes[i + 2]} << 16) |
                                 (std::uint32_t{bytes[i + 1]} << 8) | bytes[i]);
    }
    return BmpStatus::Ok;
}

BmpStatus MeasurePixels(std::span<const unsigned char> bytes, BmpLayout& layout) {
    const std::int64_t rows = std::llabs(static_cast<std::int64_t>(layout.height));
    if (layout.width <= 0 || rows == 0 || layout.width > kMaxDimension || rows > kMaxDimension) {
        return BmpStatus::Invalid;
    }
    if (layout.pixelOffset > bytes.size()) {
        return BmpStatus::Short;
    }
    const std::uint64_t available = bytes.size() - layout.pixelOffset;
    if (layout.compression == kRle8 || layout.compression == kRle4) {
        const std::uint32_t declared =
            layout.infoHeaderSize == kCoreHeaderSize ? 0 : Read32(bytes, kFileHeaderSize + 20);
        layout.pixelSize = declared != 0 ? declared : available;
    } else {
        const std::uint64_t stride =
            ((static_cast<std::uint64_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
        layout.pixelSize = stride * static_cast<std::uint64_t>(rows);
    }
    if (layout.pixelSize > kMaxPixelBytes) {
        return BmpStatus::Invalid;
    }
    return layout.pixelSize > available ? BmpStatus::Short : BmpStatus::Ok;
}

}  // namespace

std::uint32_t DefaultColorCount(std::uint16_t bitCount) {
    return bitCount <= 8 ? std::uint32_t{1} << bitCount : 0;
}

BmpStatus ReadBmpLayout(std::span<const unsigned char> bytes, BmpLayout& layout) {
    layout = BmpLayout{};
    if (bytes.size() < kFileHeaderSize) {
        return BmpStatus::Short;
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        return BmpStatus::BadSignature;
    }
    layout.pixelOffset = Read32(bytes, 10);
    if (bytes.size() < kFileHeaderSize + 4) {
        return BmpStatus::Short;
    }
    layout.infoHeaderSize = Read32(bytes, kFileHeaderSize);
    if (!IsKnownInfoHeaderSize(layout.infoHeaderSize)) {
        return BmpStatus::Invalid;
    }
    if (bytes.size() < kFileHeaderSize + layout.infoHeaderSize) {
        return BmpStatus::Short;
    }
    if (layout.pixelOffset < kFileHeaderSize + layout.infoHeaderSize) {
        return BmpStatus::Invalid;
    }
    if (const BmpStatus status = ReadInfoHeader(bytes, layout); status != BmpStatus::Ok) {
        return status;
    }
    if (const BmpStatus status = ReadPalette(bytes, layout); status != BmpStatus::Ok) {
        return status;
    }
    return MeasurePixels(bytes, layout);
}

}  // namespace veritom
