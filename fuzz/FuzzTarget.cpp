#include "FuzzTarget.h"

namespace veritom::fuzz {

void Expect(bool holds, const std::string& what) {
    if (!holds) {
        throw CPropertyBroken(what);
    }
}

std::span<const Target> Targets() {
    static constexpr Target kTargets[] = {
        {"selection_file", SelectionFile},
        {"record", Record},
        {"archive", Archive},
        {"text_codec", TextCodec},
        {"string_table", StringTable},
        {"bmp_layout", BmpLayout},
        {"format", Format},
    };
    return kTargets;
}

}  // namespace veritom::fuzz
