#include <cstring>

#include "table_fill.h"
#include "table_rules.h"

namespace dyeplate {

void FillStripTable(uint8_t *buffer, uint32_t colour, int32_t tableMode, int32_t webSafe) {
    if (!IsKnownMode(tableMode)) return;
    const Rgb base = SplitColour(colour);
    // Every line is one colour: four pixels make three whole words, repeated across.
    constexpr int kWords = kRowBytes / 4;
    uint32_t lineWords[kWords];
    for (int row = 0; row < kTableSide; ++row) {
        Rgb c = StripColor(base, tableMode, 255 - row);
        SnapWebSafe(c.red, c.green, c.blue, webSafe);
        uint8_t group[12];
        for (int p = 0; p < 4; ++p) {
            group[3 * p] = static_cast<uint8_t>(c.blue);
            group[3 * p + 1] = static_cast<uint8_t>(c.green);
            group[3 * p + 2] = static_cast<uint8_t>(c.red);
        }
        uint32_t w[3];
        std::memcpy(w, group, sizeof w);
        for (int i = 0; i < kWords; i += 3) {
            lineWords[i] = w[0];
            lineWords[i + 1] = w[1];
            lineWords[i + 2] = w[2];
        }
        std::memcpy(buffer + row * kRowBytes, lineWords, sizeof lineWords);
    }
}

}  // namespace dyeplate
