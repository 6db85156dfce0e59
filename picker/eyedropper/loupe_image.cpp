#include "loupe_image.h"

#include <algorithm>

#include "picker_state.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell {

namespace {

constexpr BitmapPixel kOutlineDark = 0x000000u;
constexpr BitmapPixel kOutlineLight = 0xFFFFFFu;
constexpr BitmapPixel kHatchLight = 0xC8C8C8u;
constexpr BitmapPixel kHatchDark = 0x8C8C8Cu;
// Width of one stripe of the hatch, in image pixels.
constexpr int kHatchStripe = 3;

// Position within a cell along one axis, and whether it lies on the grid: the line
// on each cell's leading edge, plus the closing line inside the last cell.
bool OnGridLine(const LoupeMetrics &metrics, int at) {
    const int within = at % metrics.cellSize;
    const bool lastCell = at / metrics.cellSize == metrics.cells - 1;
    return within < metrics.gridWidth ||
           (lastCell && within >= metrics.cellSize - metrics.gridWidth);
}

// How deep into the outline of the sampled cells a pixel lies, counted from its
// outer edge; -1 outside the outline.
int OutlineDepth(const LoupeMetrics &metrics, int x, int y, int sampleReach) {
    sampleReach = std::clamp(sampleReach, 0, metrics.reach());
    const int first = (metrics.reach() - sampleReach) * metrics.cellSize;
    const int last = (metrics.reach() + sampleReach + 1) * metrics.cellSize - 1;
    if (x < first || x > last || y < first || y > last) return -1;
    const int depth = std::min(std::min(x - first, last - x), std::min(y - first, last - y));
    return depth < metrics.outlineWidth ? depth : -1;
}

}  // namespace

BitmapPixel BitmapPixelFromColour(ColorRef colour) {
    const BitmapPixel red = colour & 0xFFu;
    const BitmapPixel green = (colour >> 8) & 0xFFu;
    const BitmapPixel blue = (colour >> 16) & 0xFFu;
    return (red << 16) | (green << 8) | blue;
}

LoupePixelRole LoupePixelRoleAt(const LoupeMetrics &metrics, int x, int y, int sampleReach) {
    const int depth = OutlineDepth(metrics, x, y, sampleReach);
    if (depth >= 0) {
        return depth < (metrics.outlineWidth + 1) / 2 ? LoupePixelRole::OutlineDark
                                                      : LoupePixelRole::OutlineLight;
    }
    if (OnGridLine(metrics, x) || OnGridLine(metrics, y)) return LoupePixelRole::Grid;
    return LoupePixelRole::Cell;
}

BitmapPixel GridShade(BitmapPixel cell) {
    const int red = static_cast<int>(ByteAt(cell, 16));
    const int green = static_cast<int>(ByteAt(cell, 8));
    const int blue = static_cast<int>(ByteAt(cell, 0));
    // Rec. 601 weights in whole numbers: light or dark as the eye judges it.
    const bool light = 299 * red + 587 * green + 114 * blue >= 128 * 1000;
    auto shade = [light](int level) {
        return static_cast<BitmapPixel>(light ? level - level / 4 : level + (255 - level) / 4);
    };
    return (shade(red) << 16) | (shade(green) << 8) | shade(blue);
}

BitmapPixel HatchAt(int x, int y) {
    return ((x + y) / kHatchStripe) % 2 == 0 ? kHatchLight : kHatchDark;
}

void ComposeLoupeImage(const ColorRef *seen, const LoupeMetrics &metrics, BitmapPixel *image,
                       size_t stride, int sampleReach) {
    const int size = metrics.imageSize();
    for (int y = 0; y < size; ++y) {
        BitmapPixel *row = image + static_cast<size_t>(y) * stride;
        const ColorRef *cells = seen + static_cast<size_t>(y / metrics.cellSize) * metrics.cells;
        for (int x = 0; x < size; ++x) {
            const ColorRef colour = cells[x / metrics.cellSize];
            const BitmapPixel cell =
                colour == kInvalidColor ? HatchAt(x, y) : BitmapPixelFromColour(colour);
            switch (LoupePixelRoleAt(metrics, x, y, sampleReach)) {
                case LoupePixelRole::Cell:
                    row[x] = cell;
                    break;
                case LoupePixelRole::Grid:
                    row[x] = GridShade(cell);
                    break;
                case LoupePixelRole::OutlineDark:
                    row[x] = kOutlineDark;
                    break;
                case LoupePixelRole::OutlineLight:
                    row[x] = kOutlineLight;
                    break;
            }
        }
    }
}

std::u16string LoupeCaption(ColorRef sample, LoupeNote note, ScreenNote screen) {
    std::u16string caption = DisplayRule(HexTextRule(sample));
    if (note == LoupeNote::Frozen) caption += u"\n" + Utf8ToUtf16(captions::kFrozenUtf8);
    if (note == LoupeNote::CannotFreeze) {
        caption += u"\n" + Utf8ToUtf16(captions::kCannotFreezeUtf8);
    }
    if (screen != ScreenNote::None) caption += u"\n" + Utf8ToUtf16(ScreenNoteLine(screen));
    return caption;
}

int CaptionLines(const std::u16string &caption) {
    return 1 + static_cast<int>(std::count(caption.begin(), caption.end(), u'\n'));
}

}  // namespace tintwell
