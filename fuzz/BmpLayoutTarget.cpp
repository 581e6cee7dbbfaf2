#include "FuzzTarget.h"
#include "data/BmpLayout.h"

namespace veritom::fuzz {

// Whatever the headers say, an accepted layout lies inside the file: the colour table before
// the pixels, the pixels before the end.
void BmpLayout(Bytes input) {
    veritom::BmpLayout layout;
    const BmpStatus status = ReadBmpLayout(input, layout);
    if (status != BmpStatus::Ok) {
        return;
    }
    Expect(input.size() >= 14 && input[0] == 'B' && input[1] == 'M', "accepted without BM");
    Expect(layout.width > 0 && layout.height != 0, "accepted an empty bitmap");
    Expect(layout.palette.size() == layout.colorCount, "colour table of the wrong size");
    Expect(layout.colorCount <= 256, "more than 256 colours");
    const std::uint64_t entrySize = layout.infoHeaderSize == 12 ? 3 : 4;
    Expect(14 + std::uint64_t{layout.infoHeaderSize} + entrySize * layout.colorCount <=
               layout.pixelOffset,
           "colour table runs into the pixels");
    Expect(std::uint64_t{layout.pixelOffset} + layout.pixelSize <= input.size(),
           "pixels run past the end of the file");
    if (layout.compression != 1 && layout.compression != 2) {
        const std::uint64_t rows = layout.height < 0 ? -std::int64_t{layout.height} : layout.height;
        const std::uint64_t stride =
            (std::uint64_t{static_cast<std::uint32_t>(layout.width)} * layout.bitCount + 31) / 32 *
            4;
        Expect(layout.pixelSize == stride * rows, "pixel size does not match the dimensions");
    }
    for (const std::uint32_t colour : layout.palette) {
        Expect(colour <= 0xFFFFFF, "a colour with more than 24 bits");
    }
}

}  // namespace veritom::fuzz
