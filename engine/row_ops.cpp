#include "row_ops.h"

#include "table_rules.h"

namespace dyeplate {

void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels) {
    if (snap) {
        for (int x = 0; x < kTableSide; ++x)
            levels[x] = SnapLevel(static_cast<uint8_t>(HueLevel(columnLevels[x], y)));
    } else {
        for (int x = 0; x < kTableSide; ++x)
            levels[x] = static_cast<uint8_t>(HueLevel(columnLevels[x], y));
    }
}

void SnapRow(const uint8_t *in, uint8_t *out) {
    for (int x = 0; x < kTableSide; ++x) out[x] = SnapLevel(in[x]);
}

void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out) {
    for (int x = 0; x < kTableSide; ++x) {
        out[3 * x] = blue[x];
        out[3 * x + 1] = green[x];
        out[3 * x + 2] = red[x];
    }
}

}  // namespace dyeplate
