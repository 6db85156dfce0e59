// Whole-row building blocks of the fills. Each works on one line of 256 pixels and is
// written as a simple loop over independent elements so that the compiler can turn
// it into vector code without changing a single rounding.
#ifndef DYEPLATE_ROW_OPS_H
#define DYEPLATE_ROW_OPS_H

#include <cstdint>

namespace dyeplate {

// SnapChannel in integer form: 51 * floor((c + 25) / 51), the division done as a
// multiply-high by 1286 / 65536, exact for every c in 0-255.
inline uint8_t SnapLevel(uint8_t c) {
    const uint16_t n = static_cast<uint16_t>(c + 25);
    const uint16_t q = static_cast<uint16_t>((static_cast<uint32_t>(n) * 1286u) >> 16);
    return static_cast<uint8_t>(q * 51);
}

// levels[x] = HueLevel(columnLevels[x], y), snapped when asked.
void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels);

void SnapRow(const uint8_t *in, uint8_t *out);

// out[3x], out[3x+1], out[3x+2] = blue[x], green[x], red[x] for the 256 pixels.
void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out);

}  // namespace dyeplate

#endif  // DYEPLATE_ROW_OPS_H
