#include <gtest/gtest.h>

#include <vector>

#include "loupe_geometry.h"
#include "loupe_image.h"
#include "monitor_layout.h"

namespace tintwell::testing {
namespace {

bool Inside(const ScreenRect &outer, const ScreenRect &inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Places a loupe sized for the pointer's monitor and checks what every placement
// must hold; returns where it went.
ScreenRect PlacedAt(ScreenPoint pointer, int textBand = 20) {
    const auto monitor = PointerMonitor(kLayout, pointer);
    EXPECT_TRUE(monitor.has_value());
    if (!monitor) return {};
    const MonitorArea &area = kLayout[*monitor];
    const LoupeMetrics metrics = LoupeMetricsForDpi(area.dpi);
    const int width = metrics.imageSize();
    const int height = metrics.imageSize() + textBand;
    const auto corner = PlaceLoupe(pointer, area.work, width, height, metrics);
    EXPECT_TRUE(corner.has_value()) << pointer.x << "," << pointer.y;
    if (!corner) return {};
    const ScreenRect loupe{corner->x, corner->y, corner->x + width, corner->y + height};
    EXPECT_TRUE(Inside(area.work, loupe)) << pointer.x << "," << pointer.y;
    EXPECT_FALSE(loupe.Overlaps(Neighbourhood(pointer, metrics))) << pointer.x << "," << pointer.y;
    EXPECT_FALSE(loupe.Contains(pointer));
    return loupe;
}

TEST(LoupeMetrics, ScaleWithTheMonitorsDpiAndKeepTheCentresMiddleClear) {
    const LoupeMetrics at96 = LoupeMetricsForDpi(96);
    EXPECT_EQ(at96.cells, 11);
    EXPECT_EQ(at96.cellSize, 8);
    EXPECT_EQ(at96.imageSize(), 88);
    EXPECT_EQ(LoupeMetricsForDpi(120).cellSize, 10);
    EXPECT_EQ(LoupeMetricsForDpi(144).cellSize, 12);
    EXPECT_EQ(LoupeMetricsForDpi(192).cellSize, 16);
    EXPECT_EQ(LoupeMetricsForDpi(192).gridWidth, 2);
    EXPECT_EQ(LoupeMetricsForDpi(0).cellSize, 8) << "an unknown DPI counts as 96";
    for (int dpi : {48, 72, 96, 120, 144, 168, 192, 288}) {
        const LoupeMetrics m = LoupeMetricsForDpi(dpi);
        EXPECT_EQ(m.cells % 2, 1);
        EXPECT_GT(m.cellSize - 2 * m.outlineWidth, 0) << dpi;
        EXPECT_LT(m.gridWidth, (m.cellSize + 1) / 2) << dpi;
    }
}

TEST(LoupeNeighbourhood, CentresOnThePointersPixelAlsoAtNegativeCoordinates) {
    const LoupeMetrics m = LoupeMetricsForDpi(144);
    const ScreenRect seen = Neighbourhood(ScreenPoint{-1, -2160}, m);
    EXPECT_EQ(seen.left, -6);
    EXPECT_EQ(seen.top, -2165);
    EXPECT_EQ(seen.right, 5);
    EXPECT_EQ(seen.bottom, -2154);
}

TEST(LoupeNeighbourhood, PointerMonitorIsTheOneHoldingItOrTheNearest) {
    EXPECT_EQ(PointerMonitor(kLayout, {0, 0}), 0u);
    EXPECT_EQ(PointerMonitor(kLayout, {-1, 500}), 1u);
    EXPECT_EQ(PointerMonitor(kLayout, {-1, -1}), 2u);
    EXPECT_EQ(PointerMonitor(kLayout, {-2880, 1739}), 1u);
    EXPECT_EQ(PointerMonitor(kLayout, {-3000, 60}), 1u) << "left of everything";
    EXPECT_EQ(PointerMonitor(kLayout, {1900, 1500}), 0u) << "below everything";
    EXPECT_FALSE(PointerMonitor({}, {0, 0}).has_value());
}

TEST(LoupePlacement, StandsBelowRightAndFlipsAtEachEdgeOfEveryMonitor) {
    const ScreenRect free = PlacedAt({500, 500});
    EXPECT_GT(free.left, 500);
    EXPECT_GT(free.top, 500);

    const ScreenRect nearRight = PlacedAt({1915, 500});
    EXPECT_LT(nearRight.right, 1915);
    const ScreenRect nearBottom = PlacedAt({500, 1035});
    EXPECT_LT(nearBottom.bottom, 1035);
    const ScreenRect onTaskbar = PlacedAt({1919, 1079});
    EXPECT_LE(onTaskbar.bottom, 1040) << "not over the taskbar";

    for (const MonitorArea &m : kLayout) {
        const ScreenRect &w = m.work;
        const int32_t midX = w.left + w.width() / 2;
        const int32_t midY = w.top + w.height() / 2;
        for (ScreenPoint p :
             {ScreenPoint{w.left, midY}, ScreenPoint{w.right - 1, midY}, ScreenPoint{midX, w.top},
              ScreenPoint{midX, w.bottom - 1}, ScreenPoint{w.left, w.top},
              ScreenPoint{w.right - 1, w.top}, ScreenPoint{w.left, w.bottom - 1},
              ScreenPoint{w.right - 1, w.bottom - 1}}) {
            PlacedAt(p);
        }
    }
}

TEST(LoupePlacement, TakesTheSizeOfThePointersMonitor) {
    const ScreenRect onLeft = PlacedAt({-1500, 800});
    EXPECT_EQ(onLeft.width(), 132);
    const ScreenRect above = PlacedAt({100, -500});
    EXPECT_EQ(above.width(), 176);
    EXPECT_GE(above.left, 100 + 6 + 32) << "the gap scales too";
}

// The gap is the same whichever side the loupe takes: near the right or bottom edge
// it flips to the left of or above the neighbourhood, still exactly a gap away.
TEST(LoupePlacement, KeepsExactlyTheGapOnEverySide) {
    for (const MonitorArea &area : kLayout) {
        SCOPED_TRACE(::testing::Message() << area.dpi << " dpi");
        const LoupeMetrics m = LoupeMetricsForDpi(area.dpi);
        const ScreenRect &w = area.work;
        const int side = m.imageSize();
        const int32_t midX = w.left + w.width() / 2;
        const int32_t midY = w.top + w.height() / 2;
        auto place = [&](ScreenPoint p) {
            const auto corner = PlaceLoupe(p, w, side, side, m);
            EXPECT_TRUE(corner.has_value()) << p.x << "," << p.y;
            return corner.value_or(ScreenPoint{0, 0});
        };
        auto right = [&](ScreenPoint p) { return Neighbourhood(p, m).right + m.gap; };
        auto below = [&](ScreenPoint p) { return Neighbourhood(p, m).bottom + m.gap; };
        auto left = [&](ScreenPoint p) { return Neighbourhood(p, m).left - m.gap - side; };
        auto above = [&](ScreenPoint p) { return Neighbourhood(p, m).top - m.gap - side; };

        const ScreenPoint free{midX, midY};
        EXPECT_EQ(place(free).x, right(free));
        EXPECT_EQ(place(free).y, below(free));
        const ScreenPoint atRight{w.right - 1, midY};
        EXPECT_EQ(place(atRight).x, left(atRight));
        EXPECT_EQ(place(atRight).y, below(atRight));
        const ScreenPoint atBottom{midX, w.bottom - 1};
        EXPECT_EQ(place(atBottom).x, right(atBottom));
        EXPECT_EQ(place(atBottom).y, above(atBottom));
        const ScreenPoint inCorner{w.right - 1, w.bottom - 1};
        EXPECT_EQ(place(inCorner).x, left(inCorner));
        EXPECT_EQ(place(inCorner).y, above(inCorner));
    }
}

// Room for exactly the loupe between the gap and the work area's edge is room
// enough: it stays after the pointer; one pixel less and it goes before.
TEST(LoupePlacement, AnExactFitAfterThePointerDoesNotFlip) {
    for (const MonitorArea &area : kLayout) {
        SCOPED_TRACE(::testing::Message() << area.dpi << " dpi");
        const LoupeMetrics m = LoupeMetricsForDpi(area.dpi);
        const ScreenRect &w = area.work;
        const int width = m.imageSize();
        const int height = m.imageSize() + 20;
        auto place = [&](ScreenPoint p) {
            const auto corner = PlaceLoupe(p, w, width, height, m);
            EXPECT_TRUE(corner.has_value()) << p.x << "," << p.y;
            return corner.value_or(ScreenPoint{0, 0});
        };
        const int32_t midX = w.left + w.width() / 2;
        const int32_t midY = w.top + w.height() / 2;
        // The neighbourhood ends reach + 1 pixels after the pointer.
        const int32_t fitsRight = w.right - width - m.gap - m.reach() - 1;
        EXPECT_EQ(place({fitsRight, midY}).x + width, w.right);
        EXPECT_EQ(place({fitsRight + 1, midY}).x, fitsRight + 1 - m.reach() - m.gap - width);
        const int32_t fitsBelow = w.bottom - height - m.gap - m.reach() - 1;
        EXPECT_EQ(place({midX, fitsBelow}).y + height, w.bottom);
        EXPECT_EQ(place({midX, fitsBelow + 1}).y, fitsBelow + 1 - m.reach() - m.gap - height);
    }
}

TEST(LoupePlacement, BesideOnOneAxisWhenTheOtherHasNoRoom) {
    const LoupeMetrics m = LoupeMetricsForDpi(96);
    // A work area as tall as the loupe: only a side placement fits.
    const ScreenRect strip{-400, -300, 400, -192};
    const auto corner = PlaceLoupe({-100, -250}, strip, 88, 108, m);
    ASSERT_TRUE(corner.has_value());
    EXPECT_EQ(corner->y, -300);
    EXPECT_EQ(corner->x, -100 + 6 + 16);
    // Too small for a loupe that leaves the neighbourhood free: no place at all.
    EXPECT_FALSE(PlaceLoupe({50, 50}, ScreenRect{0, 0, 120, 120}, 88, 108, m).has_value());
}

TEST(LoupeImage, EveryCellsMiddleIsItsPixelAndOnlyEdgesAreDrawnOver) {
    for (int dpi : {96, 120, 144, 192}) {
        const LoupeMetrics m = LoupeMetricsForDpi(dpi);
        std::vector<ColorRef> seen(static_cast<size_t>(m.cells * m.cells));
        for (size_t i = 0; i < seen.size(); ++i) {
            seen[i] = (0x123456u + static_cast<ColorRef>(i) * 0x030507u) & 0xFFFFFFu;
        }
        const int size = m.imageSize();
        const size_t stride = static_cast<size_t>(size) + 3;
        std::vector<BitmapPixel> image(stride * static_cast<size_t>(size), 0xDEADBEEFu);
        ComposeLoupeImage(seen.data(), m, image.data(), stride);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int i = x / m.cellSize;
                const int j = y / m.cellSize;
                const BitmapPixel pixel =
                    BitmapPixelFromColour(seen[static_cast<size_t>(j * m.cells + i)]);
                const BitmapPixel shown = image[static_cast<size_t>(y) * stride + x];
                const int u = x % m.cellSize;
                const int v = y % m.cellSize;
                const int fromEdge =
                    std::min(std::min(u, m.cellSize - 1 - u), std::min(v, m.cellSize - 1 - v));
                if (shown != pixel) {
                    ASSERT_LT(fromEdge, std::max(m.gridWidth, m.outlineWidth))
                        << "dpi " << dpi << " pixel " << x << "," << y;
                }
                if (u == m.cellSize / 2 && v == m.cellSize / 2) {
                    ASSERT_EQ(shown, pixel) << "dpi " << dpi << " cell " << i << "," << j;
                }
            }
            EXPECT_EQ(image[static_cast<size_t>(y) * stride + size], 0xDEADBEEFu);
        }
        const int centre = m.reach() * m.cellSize;
        EXPECT_EQ(image[static_cast<size_t>(centre) * stride + centre], 0u) << "dark outline";
        const int inner = centre + m.outlineWidth - 1;
        EXPECT_EQ(image[static_cast<size_t>(inner) * stride + inner], 0xFFFFFFu) << "light one";
        EXPECT_NE(image[0], BitmapPixelFromColour(seen[0])) << "grid drawn";
    }
}

// Across the image, away from the outline, the grid is a line as wide as gridWidth
// on each cell's leading edge, and one as wide closes the last cell on the right and
// at the bottom, so that the image has a frame of the same width all round.
TEST(LoupeImage, EveryGridLineAndTheClosingOnesAreGridWidthWide) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dpi");
        const LoupeMetrics m = LoupeMetricsForDpi(dpi);
        std::vector<ColorRef> seen(static_cast<size_t>(m.cells * m.cells));
        for (size_t i = 0; i < seen.size(); ++i) {
            seen[i] = (0x123456u + static_cast<ColorRef>(i) * 0x050309u) & 0xFFFFFFu;
        }
        const int size = m.imageSize();
        std::vector<BitmapPixel> image(static_cast<size_t>(size * size));
        ComposeLoupeImage(seen.data(), m, image.data(), static_cast<size_t>(size));
        auto cell = [&](int i, int j) {
            return BitmapPixelFromColour(seen[static_cast<size_t>(j * m.cells + i)]);
        };
        auto onLine = [&](int at) {
            return at % m.cellSize < m.gridWidth || at >= size - m.gridWidth;
        };
        // Through the middle of the first row and of the first column of cells.
        const int middle = m.cellSize / 2;
        for (int at = 0; at < size; ++at) {
            const int i = at / m.cellSize;
            const BitmapPixel across = image[static_cast<size_t>(middle * size + at)];
            EXPECT_EQ(across, onLine(at) ? GridShade(cell(i, 0)) : cell(i, 0)) << "x " << at;
            const BitmapPixel down = image[static_cast<size_t>(at * size + middle)];
            EXPECT_EQ(down, onLine(at) ? GridShade(cell(0, i)) : cell(0, i)) << "y " << at;
        }
    }
}

// The outline lies on the centre cell's own edge pixels, the same depth on all four
// sides: the pixel just past the cell is the neighbour's grid line, the one just
// before it the neighbour's colour.
TEST(LoupeImage, CentreOutlineIsSymmetricAndStaysInsideTheCentreCell) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dpi");
        const LoupeMetrics m = LoupeMetricsForDpi(dpi);
        std::vector<ColorRef> seen(static_cast<size_t>(m.cells * m.cells));
        for (size_t i = 0; i < seen.size(); ++i) {
            seen[i] = (0x123456u + static_cast<ColorRef>(i) * 0x0B0D11u) & 0xFFFFFFu;
        }
        const int size = m.imageSize();
        std::vector<BitmapPixel> image(static_cast<size_t>(size * size));
        ComposeLoupeImage(seen.data(), m, image.data(), static_cast<size_t>(size));
        auto at = [&](int x, int y) { return image[static_cast<size_t>(y * size + x)]; };
        // The cells arrive as COLORREFs and show as bitmap pixels.
        auto cell = [&](int i, int j) {
            return BitmapPixelFromColour(seen[static_cast<size_t>(j * m.cells + i)]);
        };

        const int c = m.reach();
        const int first = c * m.cellSize;
        const int last = first + m.cellSize - 1;
        for (int v = first; v <= last; ++v) {
            EXPECT_EQ(at(last + 1, v), GridShade(cell(c + 1, c))) << "right of the cell, row " << v;
            EXPECT_EQ(at(v, last + 1), GridShade(cell(c, c + 1))) << "below the cell, column " << v;
            // Before the cell the grid crosses only on the centre row's own line.
            const bool onGrid = v - first < m.gridWidth;
            const BitmapPixel left = cell(c - 1, c);
            const BitmapPixel above = cell(c, c - 1);
            EXPECT_EQ(at(first - 1, v), onGrid ? GridShade(left) : left) << "left, row " << v;
            EXPECT_EQ(at(v, first - 1), onGrid ? GridShade(above) : above) << "above, column " << v;
        }
        for (int v = first; v <= last; ++v) {
            for (int u = first; u <= last; ++u) {
                ASSERT_EQ(at(u, v), at(first + last - u, v))
                    << "mirrored left-right at " << u << "," << v;
                ASSERT_EQ(at(u, v), at(u, first + last - v))
                    << "mirrored top-bottom at " << u << "," << v;
                ASSERT_EQ(at(u, v), at(v, u)) << "mirrored on the diagonal at " << u << "," << v;
            }
        }
    }
}

TEST(LoupeImage, GridShowsOnGreyAndTheCaptionFollowsTheColourWord) {
    EXPECT_EQ(GridShade(0x808080u), 0x606060u);
    EXPECT_EQ(GridShade(0x7F7F7Fu), 0x9F9F9Fu);
    EXPECT_EQ(BitmapPixelFromColour(0x00563412u), 0x123456u);
    EXPECT_EQ(BitmapPixelFromColour(0xFF563412u), 0x123456u) << "no high byte";
    EXPECT_EQ(LoupeCaption(0x00563412u), u"#123456");
}

}  // namespace
}  // namespace tintwell::testing
