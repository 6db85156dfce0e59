// The loupe's picture: each screen pixel of the neighbourhood widened to a square
// cell, a thin grid on the cells' edges and an outline on the centre cell's edges,
// so that the middle of every cell shows its pixel's colour untouched.
#ifndef TINTWELL_PICKER_LOUPE_IMAGE_H
#define TINTWELL_PICKER_LOUPE_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "form_controls.h"
#include "loupe_geometry.h"

namespace tintwell {

// Pixels of a 32-bit top-down bitmap as Windows lays them out: 0x00RRGGBB, blue in
// the low byte (the byte order opposite to a COLORREF's).
using BitmapPixel = uint32_t;

BitmapPixel BitmapPixelFromColour(ColorRef colour);

// What a pixel of the image shows.
enum class LoupePixelRole { Cell, Grid, OutlineDark, OutlineLight };

// The role of image pixel (x, y), 0 <= x, y < metrics.imageSize().
LoupePixelRole LoupePixelRoleAt(const LoupeMetrics &metrics, int x, int y);

// A grid line over a cell: the cell's colour a quarter of the way towards black on a
// light cell, towards white on a dark one, so the grid shows on every colour and
// still reads as part of the cell.
BitmapPixel GridShade(BitmapPixel cell);

// Writes the magnified image: `seen` holds cells x cells pixels row by row (cell
// (i, j) at j * cells + i); `image` receives imageSize() rows of `stride` pixels.
void ComposeLoupeImage(const BitmapPixel *seen, const LoupeMetrics &metrics, BitmapPixel *image,
                       size_t stride);

// The text under the image: the centre's colour as the text box shows colours.
std::u16string LoupeCaption(ColorRef centre);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_LOUPE_IMAGE_H
