// The loupe's magnification steps, turned by the wheel during a pick from anywhere.
// The loupe keeps its size at every step: its image is always `side` x `side`
// pixels, the size of the unzoomed loupe at that DPI, and more magnification shows
// fewer, larger cells. Cells stay whole, so each one still shows a whole screen
// pixel and the sample's outline is never cut; where the cells do not fill the side
// exactly, they stand centred in it and the loupe's frame fills the `inset` around
// them, less than a cell on each side.
//
// Steps run from 0 (the widest view, 3-pixel cells at 96 dpi) to kLoupeZoomSteps - 1
// (five cells); kDefaultLoupeZoom is the loupe as LoupeMetricsForDpi sizes it, so a
// loupe nobody zoomed looks as it always did. Every step has at least five cells,
// room for the 5 x 5 sample's outline.
#ifndef TINTWELL_PICKER_EYEDROPPER_LOUPE_ZOOM_H
#define TINTWELL_PICKER_EYEDROPPER_LOUPE_ZOOM_H

#include "loupe_geometry.h"

namespace tintwell {

constexpr int kLoupeZoomSteps = 6;
constexpr int kDefaultLoupeZoom = 3;

// `step` moved by `by` steps (positive: more magnification), kept within the steps.
int ZoomedStep(int step, int by);

struct LoupeView {
    // The cells at this step; metrics.reach() is how far around the pointer to read.
    LoupeMetrics metrics;
    // The image's width and height, the same at every step.
    int side;
    // From the image's left and top edges to the first cell; the right and bottom
    // margins are side - metrics.imageSize() - inset (the same, or one more).
    int inset;
};

// The loupe at `step` (clamped into range) on a monitor of `dpi`.
LoupeView LoupeViewAt(int dpi, int step);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_EYEDROPPER_LOUPE_ZOOM_H
