#include <gtest/gtest.h>

#include <climits>

#include "loupe_geometry.h"
#include "loupe_zoom.h"

namespace tintwell::testing {
namespace {

TEST(LoupeZoom, EveryStepKeepsTheLoupesSizeMoreMagnificationFewerCells) {
    for (int dpi : {96, 120, 144, 168, 192, 240, 288, 0}) {
        const LoupeMetrics unzoomed = LoupeMetricsForDpi(dpi);
        LoupeView previous{};
        for (int step = 0; step < kLoupeZoomSteps; ++step) {
            SCOPED_TRACE(::testing::Message() << "dpi " << dpi << " step " << step);
            const LoupeView view = LoupeViewAt(dpi, step);
            const LoupeMetrics &m = view.metrics;
            EXPECT_EQ(view.side, unzoomed.imageSize());
            EXPECT_EQ(m.cells % 2, 1) << "the pointer's pixel is the middle cell";
            EXPECT_GE(m.reach(), 2) << "room for the 5 x 5 sample's outline";
            EXPECT_LE(m.imageSize(), view.side);
            const int margin = view.side - m.imageSize();
            EXPECT_GE(view.inset, 0);
            EXPECT_LE(margin - 2 * view.inset, 1) << "centred";
            EXPECT_GE(margin - 2 * view.inset, 0);
            EXPECT_LT(view.inset, m.cellSize);
            EXPECT_GE(m.outlineWidth, 1);
            EXPECT_LT(2 * m.outlineWidth, m.cellSize) << "the centre cell still shows";
            if (step > 0) {
                EXPECT_LT(m.cells, previous.metrics.cells);
                EXPECT_GT(m.cellSize, previous.metrics.cellSize);
            }
            previous = view;
        }
        const LoupeView plain = LoupeViewAt(dpi, kDefaultLoupeZoom);
        EXPECT_EQ(plain.metrics.cells, unzoomed.cells);
        EXPECT_EQ(plain.metrics.cellSize, unzoomed.cellSize);
        EXPECT_EQ(plain.metrics.outlineWidth, unzoomed.outlineWidth);
        EXPECT_EQ(plain.inset, 0);
    }
}

TEST(LoupeZoom, StepsStayWithinTheEnds) {
    EXPECT_EQ(ZoomedStep(kDefaultLoupeZoom, 1), kDefaultLoupeZoom + 1);
    EXPECT_EQ(ZoomedStep(kDefaultLoupeZoom, -2), kDefaultLoupeZoom - 2);
    EXPECT_EQ(ZoomedStep(0, -1), 0);
    EXPECT_EQ(ZoomedStep(kLoupeZoomSteps - 1, 127), kLoupeZoomSteps - 1);
    EXPECT_EQ(ZoomedStep(INT_MAX, INT_MIN), 0);
    EXPECT_EQ(LoupeViewAt(96, 99).metrics.cells,
              LoupeViewAt(96, kLoupeZoomSteps - 1).metrics.cells);
}

}  // namespace
}  // namespace tintwell::testing
