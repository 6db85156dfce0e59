#include "screen_square.h"

#include <algorithm>
#include <utility>

namespace tintwell {

ScreenSquare UnreadSquare(ScreenPoint cursor, int reach) {
    ScreenSquare square;
    square.cursor = cursor;
    square.reach = reach;
    square.cells.assign(static_cast<size_t>(square.side()) * square.side(), kInvalidColor);
    return square;
}

bool OnAnyMonitor(const std::vector<MonitorArea> &monitors, ScreenPoint p) {
    for (const MonitorArea &monitor : monitors) {
        if (monitor.bounds.Contains(p)) return true;
    }
    return false;
}

void ForgetCellsOffScreen(ScreenSquare &square, const std::vector<MonitorArea> &monitors) {
    for (int dy = -square.reach; dy <= square.reach; ++dy) {
        for (int dx = -square.reach; dx <= square.reach; ++dx) {
            // 64-bit on the way: a cursor at the edge of the coordinate range must not
            // wrap round onto a monitor.
            const int64_t x = int64_t{square.cursor.x} + dx;
            const int64_t y = int64_t{square.cursor.y} + dy;
            const bool representable =
                x >= INT32_MIN && x <= INT32_MAX && y >= INT32_MIN && y <= INT32_MAX;
            if (representable && OnAnyMonitor(monitors, ScreenPoint{static_cast<int32_t>(x),
                                                                    static_cast<int32_t>(y)})) {
                continue;
            }
            square.cells[static_cast<size_t>(dy + square.reach) * square.side() +
                         (dx + square.reach)] = kInvalidColor;
        }
    }
}

ColorRef ColourFromBitmapPixel(BitmapPixel pixel) {
    // The same swap both ways.
    return BitmapPixelFromColour(pixel);
}

ScreenSquare SquareFromBitmap(ScreenPoint cursor, int reach, const BitmapPixel *rows, size_t stride,
                              const std::vector<MonitorArea> &monitors) {
    ScreenSquare square = UnreadSquare(cursor, reach);
    const int side = square.side();
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            square.cells[static_cast<size_t>(j) * side + i] =
                ColourFromBitmapPixel(rows[static_cast<size_t>(j) * stride + i]);
        }
    }
    ForgetCellsOffScreen(square, monitors);
    return square;
}

int SampleReach(SampleSize size) {
    switch (size) {
        case SampleSize::ThreeByThree:
            return 1;
        case SampleSize::FiveByFive:
            return 2;
        case SampleSize::OnePixel:
        default:
            return 0;
    }
}

ColorRef MeanOfSquare(const ScreenSquare &square, int reach) {
    if (reach > square.reach) reach = square.reach;
    uint64_t red = 0;
    uint64_t green = 0;
    uint64_t blue = 0;
    uint64_t count = 0;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const ColorRef cell = square.At(dx, dy);
            if (cell == kInvalidColor) continue;
            red += ByteAt(cell, 0);
            green += ByteAt(cell, 8);
            blue += ByteAt(cell, 16);
            ++count;
        }
    }
    if (count == 0) return kInvalidColor;
    // floor(sum / count + 1/2) in whole numbers: an exact half goes up.
    auto mean = [count](uint64_t sum) {
        return static_cast<ColorRef>((2 * sum + count) / (2 * count));
    };
    return mean(red) | (mean(green) << 8) | (mean(blue) << 16);
}

ColorRef SampleOf(const ScreenSquare &square, SampleSize size) {
    const int reach = SampleReach(size);
    if (reach == 0) return SampledColour(square.centre());
    return SampledColour(MeanOfSquare(square, reach));
}

ScreenNote SampleNote(const ScreenSquare &square, SampleSize size) {
    if (square.clamped.empty()) return square.note;
    const int reach = std::min(SampleReach(size), square.reach);
    bool clamped = false;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const size_t at =
                static_cast<size_t>(dy + square.reach) * square.side() + (dx + square.reach);
            clamped = clamped || (square.clamped[at] != 0 && square.cells[at] != kInvalidColor);
        }
    }
    if (!clamped) return square.note;
    switch (square.note) {
        case ScreenNote::Hdr:
            return ScreenNote::HdrClamped;
        case ScreenNote::WideColour:
            return ScreenNote::WideColourClamped;
        default:
            return square.note;
    }
}

ScreenSnapshot::ScreenSnapshot(const ScreenRect &bounds, std::vector<MonitorArea> monitors)
    : bounds_(bounds),
      monitors_(std::move(monitors)),
      pixels_(static_cast<size_t>(bounds.width() > 0 ? bounds.width() : 0) *
              static_cast<size_t>(bounds.height() > 0 ? bounds.height() : 0)),
      notes_(),
      clamped_() {}

void ScreenSnapshot::SetNote(const ScreenRect &monitor, ScreenNote note) {
    notes_.emplace_back(monitor, note);
}

uint8_t *ScreenSnapshot::clampedFlags() {
    if (clamped_.empty()) clamped_.assign(pixels_.size(), 0);
    return clamped_.data();
}

ScreenSquare ScreenSnapshot::ReadSquare(ScreenPoint cursor, int reach) const {
    ScreenSquare square = UnreadSquare(cursor, reach);
    const int side = square.side();
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            const int64_t x = int64_t{cursor.x} - reach + i;
            const int64_t y = int64_t{cursor.y} - reach + j;
            if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) {
                continue;
            }
            const size_t at = static_cast<size_t>(y - bounds_.top) * bounds_.width() +
                              static_cast<size_t>(x - bounds_.left);
            square.cells[static_cast<size_t>(j) * side + i] = ColourFromBitmapPixel(pixels_[at]);
            if (!clamped_.empty() && clamped_[at] != 0) {
                if (square.clamped.empty()) square.clamped.assign(square.cells.size(), 0);
                square.clamped[static_cast<size_t>(j) * side + i] = 1;
            }
        }
    }
    ForgetCellsOffScreen(square, monitors_);
    for (const auto &[monitor, note] : notes_) {
        if (monitor.Contains(cursor)) square.note = note;
    }
    return square;
}

}  // namespace tintwell
