#include "screen_reader.h"

#include <algorithm>
#include <new>

namespace tintwell::win32 {

namespace {

ScreenPoint FromPoint(POINT p) {
    return ScreenPoint{p.x, p.y};
}

}  // namespace

PhysicalPixelScope::PhysicalPixelScope(SetContext setContext)
    : setContext_(setContext), previous_(nullptr) {
    if (setContext_ == nullptr) return;
    previous_ = setContext_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (previous_ == nullptr) previous_ = setContext_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

PhysicalPixelScope::~PhysicalPixelScope() {
    if (previous_ != nullptr) setContext_(previous_);
}

ScreenReader::ScreenReader(SystemLibrary &user32, SystemLibrary &gdi32)
    : getDc_(user32, "GetDC"),
      releaseDc_(user32, "ReleaseDC"),
      getCursorPos_(user32, "GetCursorPos"),
      getPixel_(gdi32, "GetPixel"),
      setThreadDpiContext_(user32, "SetThreadDpiAwarenessContext"),
      monitors_(),
      colour_(),
      square_() {}

POINT ScreenReader::Cursor() {
    auto getCursorPos = getCursorPos_.Get();
    PhysicalPixelScope physical(setThreadDpiContext_.GetOptional());
    POINT cursor{0, 0};
    getCursorPos(&cursor);
    return cursor;
}

ScreenSquare ScreenReader::ReadSquare(int reach) {
    auto getCursorPos = getCursorPos_.Get();
    PhysicalPixelScope physical(setThreadDpiContext_.GetOptional());
    POINT cursor{0, 0};
    getCursorPos(&cursor);
    return ReadAt(FromPoint(cursor), reach);
}

ScreenSquare ScreenReader::ReadSquareAt(ScreenPoint pointer, int reach) {
    PhysicalPixelScope physical(setThreadDpiContext_.GetOptional());
    return ReadAt(pointer, reach);
}

ScreenSquare ScreenReader::ReadAt(ScreenPoint pointer, int reach) {
    auto getDc = getDc_.Get();
    auto releaseDc = releaseDc_.Get();
    auto getPixel = getPixel_.Get();

    ScreenDc screen(getDc, releaseDc);
    ScreenSquare square = UnreadSquare(pointer, reach);
    if (screen.get() == nullptr) return square;
    // Virtual-screen coordinates: a monitor left of or above the primary one has
    // negative x or y, which GetPixel and BitBlt on the screen DC take as they are.
    const ColorRef centre = getPixel(screen.get(), pointer.x, pointer.y);
    if (reach > 0) {
        const int side = square.side();
        if (square_ == nullptr || square_->width() < side) {
            square_ = std::make_unique<OffscreenImage>(side, side);
        }
        if (square_->ok() && BitBlt(square_->dc(), 0, 0, side, side, screen.get(),
                                    pointer.x - reach, pointer.y - reach, SRCCOPY)) {
            GdiFlush();
            square = SquareFromBitmap(square.cursor, reach, square_->pixels(),
                                      static_cast<size_t>(square_->width()), monitors_.Areas());
        }
    }
    square.cells[square.cells.size() / 2] = centre;
    colour_.Complete(square);
    return square;
}

std::unique_ptr<ScreenSnapshot> ScreenReader::TakeSnapshot() {
    PhysicalPixelScope physical(setThreadDpiContext_.GetOptional());
    monitors_.Forget();
    const ScreenRect bounds{
        GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
        GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
        GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    if (bounds.width() <= 0 || bounds.height() <= 0) return nullptr;
    std::unique_ptr<ScreenSnapshot> snapshot;
    try {
        snapshot = std::make_unique<ScreenSnapshot>(bounds, monitors_.Areas());
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    ScreenDc screen(getDc_.Get(), releaseDc_.Get());
    if (screen.get() == nullptr) return nullptr;
    // Copied through a DIB section, whose memory goes back to the system with it.
    // A bitmap compatible with the screen would do the same job, but under Wine
    // its memory stays with the process after it is deleted, the snapshot's size
    // again at each of the first freezes.
    const OffscreenImage copy(bounds.width(), bounds.height());
    if (!copy.ok() || !BitBlt(copy.dc(), 0, 0, bounds.width(), bounds.height(), screen.get(),
                              bounds.left, bounds.top, SRCCOPY)) {
        return nullptr;
    }
    GdiFlush();
    std::copy_n(copy.pixels(), snapshot->bytes() / sizeof(BitmapPixel), snapshot->pixels());
    colour_.Complete(*snapshot);
    return snapshot;
}

}  // namespace tintwell::win32
