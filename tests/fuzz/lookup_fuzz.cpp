// libFuzzer target for the two lookups alone. They are cheap where the draws are
// not, so on their own they reach a million runs in the time the drawing target
// spends on a few thousand. Each input is a run of calls: one op byte (even
// GetColor, odd GetColor2), then colour, mode, web-safe flag, x and y as
// little-endian 32-bit words (GetColor2 ignores x).
#include <cstddef>
#include <cstdint>

#include "lookup_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ByteReader in(data, size);
    while (!in.done()) {
        const uint8_t op = in.u8();
        const uint32_t colour = in.u32();
        const int32_t mode = in.i32();
        const int32_t webSafe = in.i32();
        const int32_t x = in.i32();
        const int32_t y = in.i32();
        if (op % 2 == 0)
            fuzz::CheckGetColor(colour, mode, x, y, webSafe);
        else
            fuzz::CheckGetColor2(colour, mode, y, webSafe);
    }
    return 0;
}
