// The libFuzzer entry of one target; VERITOM_FUZZ_ENTRY names its entry point.
#include <cstdio>
#include <cstdlib>

#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        veritom::fuzz::VERITOM_FUZZ_ENTRY(veritom::fuzz::Bytes(data, size));
    } catch (const veritom::fuzz::CPropertyBroken& broken) {
        std::fprintf(stderr, "property broken: %s\n", broken.what());
        std::abort();
    }
    return 0;
}
