#include "loupe_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "display_scale.h"

namespace tintwell {

namespace {

constexpr int kCells = 11;
constexpr int kBaseCellSize = 8;
constexpr int kBaseGap = 16;

// One axis of the placement: where a loupe of `length` goes beside the span
// [near, far) of the neighbourhood, after first and then before it, inside
// [low, high). Empty when neither side has room.
std::optional<int32_t> BesideSpan(int32_t near, int32_t far, int gap, int length, int32_t low,
                                  int32_t high) {
    const int64_t after = std::max<int64_t>(int64_t{far} + gap, low);
    if (after + length <= high) return static_cast<int32_t>(after);
    const int64_t before = std::min<int64_t>(int64_t{near} - gap - length, int64_t{high} - length);
    if (before >= low) return static_cast<int32_t>(before);
    return std::nullopt;
}

// Anywhere along an axis the neighbourhood does not block: the preferred position
// pulled inside [low, high). Empty when the loupe is longer than the span.
std::optional<int32_t> Within(int64_t preferred, int length, int32_t low, int32_t high) {
    if (int64_t{high} - low < length) return std::nullopt;
    return static_cast<int32_t>(std::clamp<int64_t>(preferred, low, int64_t{high} - length));
}

int64_t DistanceSquared(const ScreenRect &rect, ScreenPoint p) {
    const int64_t dx = p.x < rect.left     ? int64_t{rect.left} - p.x
                       : p.x >= rect.right ? int64_t{p.x} - (rect.right - 1)
                                           : 0;
    const int64_t dy = p.y < rect.top       ? int64_t{rect.top} - p.y
                       : p.y >= rect.bottom ? int64_t{p.y} - (rect.bottom - 1)
                                            : 0;
    return dx * dx + dy * dy;
}

}  // namespace

LoupeMetrics LoupeMetricsForDpi(int dpi) {
    const DisplayScale scale(dpi);
    return LoupeMetricsWithCells(dpi, kCells, std::max(1, scale.FromBasePixels(kBaseCellSize)));
}

LoupeMetrics LoupeMetricsWithCells(int dpi, int cells, int cellSize) {
    const DisplayScale scale(dpi);
    LoupeMetrics metrics{};
    metrics.cells = cells;
    metrics.cellSize = cellSize;
    metrics.gridWidth = std::max(1, scale.dpi() / kBaseDpi);
    // Two lines, dark outside and light inside, so that it shows on every colour;
    // the middle of the centre cell stays clear of it at every size.
    metrics.outlineWidth = std::min(2 * metrics.gridWidth, std::max(1, (metrics.cellSize - 2) / 2));
    metrics.gap = scale.FromBasePixels(kBaseGap);
    return metrics;
}

ScreenRect Neighbourhood(ScreenPoint pointer, const LoupeMetrics &metrics) {
    const int32_t left = pointer.x - metrics.reach();
    const int32_t top = pointer.y - metrics.reach();
    return ScreenRect{left, top, left + metrics.cells, top + metrics.cells};
}

std::optional<size_t> PointerMonitor(const std::vector<MonitorArea> &monitors,
                                     ScreenPoint pointer) {
    std::optional<size_t> nearest;
    int64_t nearestDistance = std::numeric_limits<int64_t>::max();
    for (size_t i = 0; i < monitors.size(); ++i) {
        const int64_t distance = DistanceSquared(monitors[i].bounds, pointer);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::optional<ScreenPoint> PlaceLoupe(ScreenPoint pointer, const ScreenRect &work, int width,
                                      int height, const LoupeMetrics &metrics) {
    const ScreenRect seen = Neighbourhood(pointer, metrics);
    const std::optional<int32_t> beside =
        BesideSpan(seen.left, seen.right, metrics.gap, width, work.left, work.right);
    const std::optional<int32_t> besideVertically =
        BesideSpan(seen.top, seen.bottom, metrics.gap, height, work.top, work.bottom);
    // Clear of the neighbourhood on one axis is enough; the other axis then only has
    // to stay inside the work area.
    if (beside) {
        const int64_t preferred =
            besideVertically ? *besideVertically : int64_t{seen.bottom} + metrics.gap;
        if (auto y = Within(preferred, height, work.top, work.bottom)) {
            return ScreenPoint{*beside, *y};
        }
    }
    if (besideVertically) {
        const int64_t preferred = int64_t{seen.right} + metrics.gap;
        if (auto x = Within(preferred, width, work.left, work.right)) {
            return ScreenPoint{*x, *besideVertically};
        }
    }
    return std::nullopt;
}

}  // namespace tintwell
