// The platform side of a draw: fill the shared table buffer and hand the picture to
// the caller's device context.
#ifndef DYEPLATE_TRANSFER_H
#define DYEPLATE_TRANSFER_H

#include <cstdint>

#include "colour_table.h"

namespace dyeplate {

// One draw's fill of the shared buffer, run by the transfer at the point where the
// platform objects are ready for it.
struct TableFill {
    void (*fill)(uint8_t *buffer, uint32_t colour, int32_t tableMode, int32_t webSafe);
    uint32_t colour;
    int32_t tableMode;
    int32_t webSafe;

    void operator()(uint8_t *buffer) const { fill(buffer, colour, tableMode, webSafe); }
};

// Pixel columns each draw hands over from the left of the buffer.
constexpr int kFieldWidth = DYEPLATE_TABLE_SIZE;
constexpr int kStripWidth = DYEPLATE_STRIP_WIDTH;

// The one buffer both draws share; all zero (black) until the first fill.
uint8_t *SharedTableBuffer();

// Fills the shared buffer and copies its leftmost `width` columns, all 256 lines,
// to (0, 0) of dc, buffer row 255 on top.
void TransferTable(DyeplateDC dc, int width, const TableFill &fill);

}  // namespace dyeplate

#endif  // DYEPLATE_TRANSFER_H
