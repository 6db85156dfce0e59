#include <cstring>

#include "table_fill.h"
#include "table_rules.h"

namespace dyeplate {

void FillStripTable(uint8_t *buffer, uint32_t colour, int32_t tableMode, int32_t webSafe) {
    if (!IsKnownMode(tableMode)) return;
    const Rgb base = SplitColour(colour);
    // Every line is one colour: sixteen pixels make 48 bytes, copied across the line
    // in whole blocks.
    constexpr int kBlockPixels = 16;
    constexpr int kBlockBytes = 3 * kBlockPixels;
    for (int row = 0; row < kTableSide; ++row) {
        Rgb c = StripColor(base, tableMode, 255 - row);
        SnapWebSafe(c.red, c.green, c.blue, webSafe);
        uint8_t block[kBlockBytes];
        for (int p = 0; p < kBlockPixels; ++p) {
            block[3 * p] = static_cast<uint8_t>(c.blue);
            block[3 * p + 1] = static_cast<uint8_t>(c.green);
            block[3 * p + 2] = static_cast<uint8_t>(c.red);
        }
        uint8_t *line = buffer + row * kRowBytes;
        for (int b = 0; b < kRowBytes; b += kBlockBytes) std::memcpy(line + b, block, kBlockBytes);
    }
}

}  // namespace dyeplate
