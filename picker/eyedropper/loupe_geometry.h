// Where the loupe looks and where it stands. The loupe magnifies the square of
// screen pixels around the pointer; it stands beside that square, never over it,
// inside the work area of the pointer's monitor. Everything is in physical screen
// pixels of the virtual screen, so monitors left of or above the primary one have
// negative coordinates, and each monitor brings its own DPI.
#ifndef TINTWELL_PICKER_LOUPE_GEOMETRY_H
#define TINTWELL_PICKER_LOUPE_GEOMETRY_H

#include <cstdint>
#include <optional>
#include <vector>

namespace tintwell {

struct ScreenPoint {
    int32_t x;
    int32_t y;
};

inline bool operator==(ScreenPoint a, ScreenPoint b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(ScreenPoint a, ScreenPoint b) {
    return !(a == b);
}

// Right and bottom are exclusive, as in a Windows RECT.
struct ScreenRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool Contains(ScreenPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool Overlaps(const ScreenRect &other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

inline bool operator==(const ScreenRect &a, const ScreenRect &b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct MonitorArea {
    ScreenRect bounds;
    ScreenRect work;  // without the taskbar and docked bars
    int dpi;
};

inline bool operator==(const MonitorArea &a, const MonitorArea &b) {
    return a.bounds == b.bounds && a.work == b.work && a.dpi == b.dpi;
}

// The loupe's sizes at one DPI. The image is cells x cells squares of cellSize
// pixels; grid lines and the centre's outline lie inside the cells' edges.
struct LoupeMetrics {
    int cells;
    int cellSize;
    int gridWidth;
    int outlineWidth;
    // Between the magnified square of the screen and the loupe, so that the pointer's
    // own arrow does not hide the loupe's corner.
    int gap;

    int imageSize() const { return cells * cellSize; }
    // Cells from the centre to an edge of the square: the pointer's pixel is the
    // middle one.
    int reach() const { return cells / 2; }
};

LoupeMetrics LoupeMetricsForDpi(int dpi);
// The same sizes for `cells` cells (odd) of `cellSize` pixels, as the loupe's zoom
// steps make them.
LoupeMetrics LoupeMetricsWithCells(int dpi, int cells, int cellSize);

// The screen pixels the loupe shows around the pointer's pixel; cell (i, j) shows the
// one at (left + i, top + j).
ScreenRect Neighbourhood(ScreenPoint pointer, const LoupeMetrics &metrics);

// The monitor the pointer is on; between monitors, the nearest one. Empty for no
// monitors.
std::optional<size_t> PointerMonitor(const std::vector<MonitorArea> &monitors, ScreenPoint pointer);

// The loupe's top-left corner for a loupe of width x height: below and right of the
// pointer where it fits, flipped to the other side of the neighbourhood near the work
// area's edges, and kept inside the work area. Empty when the work area has no place
// for it that leaves the neighbourhood uncovered.
std::optional<ScreenPoint> PlaceLoupe(ScreenPoint pointer, const ScreenRect &work, int width,
                                      int height, const LoupeMetrics &metrics);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_LOUPE_GEOMETRY_H
