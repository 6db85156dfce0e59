// The geometry the picker's handlers and the window agree on. The handlers work in
// table pixels: the colour field and the strip are 256 table pixels tall whatever
// the screen's scale, and the markers report their pointer positions in twips at 15
// per table pixel. The window turns these into screen pixels at its own DPI; at
// 96 dpi a table pixel is a screen pixel.
#ifndef TINTWELL_PICKER_TABLE_GEOMETRY_H
#define TINTWELL_PICKER_TABLE_GEOMETRY_H

#include "colour_table.h"

namespace tintwell {

// The design unit: 1440 twips to the inch, 15 to a table pixel, so a table pixel is a
// screen pixel at 96 dpi.
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerTablePixel = 15;
constexpr int kBaseDpi = kTwipsPerInch / kTwipsPerTablePixel;

// Rows of the field and the strip, columns of the field.
constexpr int kTableSize = DYEPLATE_TABLE_SIZE;
// The last of them, the bottom row and the right column.
constexpr int kLastTableRow = kTableSize - 1;
// Columns of the strip's image (the library draws 20 into it; the picture shows 18).
constexpr int kStripImageWidth = 18;

// Label2 lies on the form, whose table-pixel rows start this far above the strip's
// own: the strip's picture box has its top edge there.
constexpr int kStripTopOnForm = 8;
// ... and its 1-pixel border, so its first row shows one row further down.
constexpr int kStripBorder = 1;
// Label1's corner sits this far up and left of the marked field point.
constexpr int kRingOffset = 5;
// Label2's top sits this far below the marked strip row.
constexpr int kArrowRowOffset = 1;

}  // namespace tintwell

#endif  // TINTWELL_PICKER_TABLE_GEOMETRY_H
