// The loupe's picture: each screen pixel of the neighbourhood widened to a square
// cell, a thin grid on the cells' edges and an outline on the centre cell's edges,
// so that the middle of every cell shows its pixel's colour untouched.
#ifndef TINTWELL_PICKER_LOUPE_IMAGE_H
#define TINTWELL_PICKER_LOUPE_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "colour_word.h"
#include "loupe_geometry.h"
#include "screen_colour.h"

namespace tintwell {

// Pixels of a 32-bit top-down bitmap as Windows lays them out: 0x00RRGGBB, blue in
// the low byte (the byte order opposite to a COLORREF's).
using BitmapPixel = uint32_t;

BitmapPixel BitmapPixelFromColour(ColorRef colour);

// What a pixel of the image shows. The outline goes round the cells the sample
// takes: the centre cell, or the square of `sampleReach` cells around it.
enum class LoupePixelRole { Cell, Grid, OutlineDark, OutlineLight };

// The role of image pixel (x, y), 0 <= x, y < metrics.imageSize().
LoupePixelRole LoupePixelRoleAt(const LoupeMetrics &metrics, int x, int y, int sampleReach = 0);

// What a cell shows for a pixel that lies on no monitor: a grey hatch that no
// screen colour could be taken for, never stale pixels.
BitmapPixel HatchAt(int x, int y);

// A grid line over a cell: the cell's colour a quarter of the way towards black on a
// light cell, towards white on a dark one, so the grid shows on every colour and
// still reads as part of the cell.
BitmapPixel GridShade(BitmapPixel cell);

// Writes the magnified image: `seen` holds cells x cells COLORREFs row by row (cell
// (i, j) at j * cells + i), kInvalidColor for a pixel on no monitor; `image`
// receives imageSize() rows of `stride` pixels.
void ComposeLoupeImage(const ColorRef *seen, const LoupeMetrics &metrics, BitmapPixel *image,
                       size_t stride, int sampleReach = 0);

// A word under the colour: the screen is frozen, or could not be frozen.
enum class LoupeNote { None, Frozen, CannotFreeze };

// The text under the image: the sample's colour as the text box shows colours, the
// note, if any, on a line of its own, and what the screen there does to colours
// (screen_colour.h), if anything, on the last.
std::u16string LoupeCaption(ColorRef sample, LoupeNote note = LoupeNote::None,
                            ScreenNote screen = ScreenNote::None);

// How many lines a caption takes.
int CaptionLines(const std::u16string &caption);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_LOUPE_IMAGE_H
