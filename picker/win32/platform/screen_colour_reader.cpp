#include "screen_colour_reader.h"

#include <algorithm>
#include <utility>

#include "screen_colour_system.h"

namespace tintwell::win32 {

namespace {

// Rows of a snapshot converted at a time, so that a large monitor's float pixels
// never all sit in memory at once.
constexpr int kSnapshotBand = 128;

ScreenRect Intersection(const ScreenRect &a, const ScreenRect &b) {
    return ScreenRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
}

}  // namespace

ScreenColourReader::ScreenColourReader()
    : system_(std::make_unique<SystemScreenColour>()),
      frames_(std::make_unique<DesktopDuplication>()),
      watch_(std::make_unique<ScreenColourWatch>(*system_)),
      inUse_(false),
      converter_(),
      pixels_(),
      converted_(),
      flags_() {}

void ScreenColourReader::UseSources(std::unique_ptr<ScreenColourSystem> system,
                                    std::unique_ptr<ScRgbFrameSource> frames) {
    frames_->Release();
    watch_.reset();
    system_ = std::move(system);
    frames_ = std::move(frames);
    watch_ = std::make_unique<ScreenColourWatch>(*system_);
}

void ScreenColourReader::SetInUse(bool on) {
    if (on == inUse_) return;
    inUse_ = on;
    watch_->Forget();
    if (!on) frames_->Release();
}

void ScreenColourReader::DisplayChanged() {
    watch_->Forget();
    frames_->Release();
}

const ScRgbConverter &ScreenColourReader::ConverterFor(uint32_t sdrWhite) {
    if (converter_ == nullptr || converter_->sdrWhite() != sdrWhite) {
        converter_ = std::make_unique<ScRgbConverter>(sdrWhite);
    }
    return *converter_;
}

bool ScreenColourReader::ReadExactly(const MonitorColour &monitor, const ScreenRect &area,
                                     BitmapPixel *out, size_t outStride, uint8_t *clamped) {
    if (!frames_->Read(monitor.bounds, area, pixels_)) return false;
    const size_t expected = static_cast<size_t>(area.width()) * area.height();
    if (pixels_.size() != expected) return false;
    ConverterFor(monitor.sdrWhite)
        .ConvertRows(pixels_.data(), static_cast<size_t>(area.width()), area.width(), area.height(),
                     out, outStride, clamped);
    return true;
}

void ScreenColourReader::Complete(ScreenSquare &square) {
    if (!inUse_) return;
    const ScreenColour &state = watch_->Current();
    const MonitorColour *monitor = state.At(square.cursor);
    if (monitor == nullptr) return;
    bool exact = false;
    if (monitor->mode != ColourMode::Sdr) {
        const int side = square.side();
        const ScreenRect whole{square.cursor.x - square.reach, square.cursor.y - square.reach,
                               square.cursor.x - square.reach + side,
                               square.cursor.y - square.reach + side};
        const ScreenRect area = Intersection(whole, monitor->bounds);
        const size_t count = static_cast<size_t>(area.width()) * area.height();
        converted_.resize(count);
        flags_.resize(count);
        exact = ReadExactly(*monitor, area, converted_.data(), static_cast<size_t>(area.width()),
                            flags_.data());
        if (exact) {
            // Cells on this monitor only: the rest lie on others, read as they are.
            for (int y = area.top; y < area.bottom; ++y) {
                for (int x = area.left; x < area.right; ++x) {
                    const size_t from =
                        static_cast<size_t>(y - area.top) * area.width() + (x - area.left);
                    const size_t cell =
                        static_cast<size_t>(y - whole.top) * side + (x - whole.left);
                    square.cells[cell] = ColourFromBitmapPixel(converted_[from]);
                    if (flags_[from] != 0) {
                        if (square.clamped.empty()) square.clamped.assign(square.cells.size(), 0);
                        square.clamped[cell] = 1;
                    }
                }
            }
        }
    }
    square.note = NoteFor(monitor, state.filters, exact, false);
}

void ScreenColourReader::Complete(ScreenSnapshot &snapshot) {
    if (!inUse_) return;
    const ScreenColour &state = watch_->Current();
    const ScreenRect &bounds = snapshot.bounds();
    const auto stride = static_cast<size_t>(bounds.width());
    for (const MonitorColour &monitor : state.monitors) {
        bool exact = monitor.mode != ColourMode::Sdr;
        const ScreenRect area = Intersection(monitor.bounds, bounds);
        if (exact && area.width() > 0 && area.height() > 0) {
            for (int top = area.top; top < area.bottom && exact; top += kSnapshotBand) {
                const ScreenRect band{area.left, top, area.right,
                                      std::min(area.bottom, top + kSnapshotBand)};
                const size_t at = static_cast<size_t>(band.top - bounds.top) * stride +
                                  static_cast<size_t>(band.left - bounds.left);
                exact = ReadExactly(monitor, band, snapshot.pixels() + at, stride,
                                    snapshot.clampedFlags() + at);
            }
        }
        const ScreenNote note = NoteFor(&monitor, state.filters, exact, false);
        if (note != ScreenNote::None) snapshot.SetNote(monitor.bounds, note);
    }
}

}  // namespace tintwell::win32
