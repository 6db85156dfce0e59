// What one read of the screen yields, live or from a frozen snapshot: where the
// pointer was and the square of physical pixels around it, each cell either a
// COLORREF or kInvalidColor for a pixel that lies on no monitor (or could not be
// read). The sample and the loupe are both made from the same read, so the loupe
// always shows what the sample took.
#ifndef TINTWELL_PICKER_SCREEN_SQUARE_H
#define TINTWELL_PICKER_SCREEN_SQUARE_H

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "colour_word.h"
#include "loupe_geometry.h"
#include "loupe_image.h"
#include "sample_size.h"
#include "screen_colour.h"

namespace tintwell {

struct ScreenSquare {
    ScreenPoint cursor{0, 0};
    // Cells from the centre to an edge: the square is 2 * reach + 1 wide.
    int reach = 0;
    // Row by row from the top-left cell, the one at (cursor.x - reach, cursor.y - reach).
    std::vector<ColorRef> cells;
    // What the monitor under the pointer does to colours and how it was read there
    // (screen_colour.h), without the clamping; None on a plain SDR sRGB monitor.
    ScreenNote note = ScreenNote::None;
    // 1 for a cell whose colour was clamped into 8-bit sRGB, row by row as the cells;
    // empty when none was.
    std::vector<uint8_t> clamped;

    int side() const { return 2 * reach + 1; }
    // dx, dy from the centre, each within [-reach, reach].
    ColorRef At(int dx, int dy) const {
        return cells[static_cast<size_t>(dy + reach) * side() + (dx + reach)];
    }
    ColorRef centre() const { return At(0, 0); }
};

// A square of the given reach around `cursor` with every cell unread.
ScreenSquare UnreadSquare(ScreenPoint cursor, int reach);

bool OnAnyMonitor(const std::vector<MonitorArea> &monitors, ScreenPoint p);

// Turns each cell that lies on no monitor into kInvalidColor: whatever a copy of the
// screen put there (black, or the previous frame's pixels) is not the screen.
void ForgetCellsOffScreen(ScreenSquare &square, const std::vector<MonitorArea> &monitors);

// A square read as a 32-bit top-down bitmap (`rows`, `stride` pixels apart): its
// side x side pixels become the cells, those on no monitor unread.
ScreenSquare SquareFromBitmap(ScreenPoint cursor, int reach, const BitmapPixel *rows, size_t stride,
                              const std::vector<MonitorArea> &monitors);

ColorRef ColourFromBitmapPixel(BitmapPixel pixel);

int SampleReach(SampleSize size);

// Each channel's mean over the cells within `reach` of the centre that were read,
// rounded half up; kInvalidColor when none of them was.
ColorRef MeanOfSquare(const ScreenSquare &square, int reach);

// The colour a sample of the given size takes from a read: the centre pixel (black
// when it could not be read, as a single pixel always counted) or the square's mean.
ColorRef SampleOf(const ScreenSquare &square, SampleSize size);

// The read's note with what the sample of that size takes: clamped when any of its
// cells was.
ScreenNote SampleNote(const ScreenSquare &square, SampleSize size);

// The whole virtual screen as it was at one moment, in physical pixels, with the
// monitors it then had. Reads from it answer exactly as live reads would have then.
class ScreenSnapshot {
  public:
    // Room for every pixel of `bounds`; throws std::bad_alloc when there is none.
    ScreenSnapshot(const ScreenRect &bounds, std::vector<MonitorArea> monitors);

    const ScreenRect &bounds() const { return bounds_; }
    // bounds.height() rows of bounds.width() pixels, top-down, as GetDIBits fills them.
    BitmapPixel *pixels() { return pixels_.data(); }
    size_t bytes() const { return pixels_.size() * sizeof(BitmapPixel); }
    // What reads on `monitor` are said with (ScreenSquare::note).
    void SetNote(const ScreenRect &monitor, ScreenNote note);
    // One flag a pixel, as pixels(), for pixels clamped into 8-bit sRGB; made (all
    // clear) at the first call. Throws std::bad_alloc when there is no memory.
    uint8_t *clampedFlags();

    // The square of the given reach around `cursor`, as it was.
    ScreenSquare ReadSquare(ScreenPoint cursor, int reach) const;

  private:
    ScreenRect bounds_;
    std::vector<MonitorArea> monitors_;
    std::vector<BitmapPixel> pixels_;
    std::vector<std::pair<ScreenRect, ScreenNote>> notes_;
    std::vector<uint8_t> clamped_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_SCREEN_SQUARE_H
