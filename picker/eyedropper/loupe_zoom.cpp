#include "loupe_zoom.h"

#include <algorithm>

#include "display_scale.h"

namespace tintwell {

namespace {

// Cell sizes at 96 dpi, one a step. Chosen so that at 96 dpi the cells fill the
// unzoomed loupe's 88 pixels to within four; the fourth is the unzoomed loupe's own.
constexpr int kBaseCellSizes[kLoupeZoomSteps] = {3, 4, 5, 8, 12, 17};
static_assert(kDefaultLoupeZoom >= 0 && kDefaultLoupeZoom < kLoupeZoomSteps);

constexpr int kFewestCells = 5;

}  // namespace

int ZoomedStep(int step, int by) {
    const int from = std::clamp(step, 0, kLoupeZoomSteps - 1);
    // Far beyond the last step is the last step; clamping first keeps the sum small.
    const int moved = from + std::clamp(by, -kLoupeZoomSteps, kLoupeZoomSteps);
    return std::clamp(moved, 0, kLoupeZoomSteps - 1);
}

LoupeView LoupeViewAt(int dpi, int step) {
    const DisplayScale scale(dpi);
    const LoupeMetrics unzoomed = LoupeMetricsForDpi(scale.dpi());
    const int side = unzoomed.imageSize();
    step = std::clamp(step, 0, kLoupeZoomSteps - 1);
    if (step == kDefaultLoupeZoom) return LoupeView{unzoomed, side, 0};

    const int cellSize = std::max(1, scale.FromBasePixels(kBaseCellSizes[step]));
    // The most cells of that size that fit, an odd number so the pointer's pixel is
    // the middle one.
    int cells = side / cellSize;
    if (cells % 2 == 0) --cells;
    cells = std::max(cells, kFewestCells);
    const LoupeMetrics metrics = LoupeMetricsWithCells(scale.dpi(), cells, cellSize);
    return LoupeView{metrics, side, std::max(0, (side - metrics.imageSize()) / 2)};
}

}  // namespace tintwell
