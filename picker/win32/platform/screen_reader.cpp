#include "screen_reader.h"

#include "gdi_handles.h"

namespace tintwell::win32 {

// On a scaled display, or on a monitor whose scale differs from the primary's, a
// DPI-virtualised cursor position and screen DC would point at a different pixel
// than the one under the cursor. Systems without per-thread awareness (before
// Windows 10 1607) are left as they are.
class ScreenReader::PhysicalPixelScope {
  public:
    explicit PhysicalPixelScope(ScreenReader &reader)
        : setContext_(reader.setThreadDpiContext_.GetOptional()), previous_(nullptr) {
        if (setContext_ == nullptr) return;
        previous_ = setContext_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        if (previous_ == nullptr) previous_ = setContext_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    }
    ~PhysicalPixelScope() {
        if (previous_ != nullptr) setContext_(previous_);
    }
    PhysicalPixelScope(const PhysicalPixelScope &) = delete;
    PhysicalPixelScope &operator=(const PhysicalPixelScope &) = delete;

  private:
    DPI_AWARENESS_CONTEXT(WINAPI *setContext_)(DPI_AWARENESS_CONTEXT);
    DPI_AWARENESS_CONTEXT previous_;
};

ScreenReader::ScreenReader(SystemLibrary &user32, SystemLibrary &gdi32)
    : getDc_(user32, "GetDC"),
      releaseDc_(user32, "ReleaseDC"),
      getCursorPos_(user32, "GetCursorPos"),
      getPixel_(gdi32, "GetPixel"),
      bitBlt_(gdi32, "BitBlt"),
      setThreadDpiContext_(user32, "SetThreadDpiAwarenessContext") {}

ScreenRead ScreenReader::ReadUnderCursor(HDC copyTo, int reach) {
    auto getDc = getDc_.Get();
    auto releaseDc = releaseDc_.Get();
    auto getCursorPos = getCursorPos_.Get();
    auto getPixel = getPixel_.Get();
    auto bitBlt = copyTo != nullptr ? bitBlt_.Get() : nullptr;

    PhysicalPixelScope physical(*this);
    ScreenDc screen(getDc, releaseDc);
    ScreenRead read{POINT{0, 0}, CLR_INVALID};
    getCursorPos(&read.cursor);
    if (screen.get() == nullptr) return read;
    // Virtual-screen coordinates: a monitor left of or above the primary one has
    // negative x or y, which GetPixel on the screen DC takes as they are.
    read.pixel = getPixel(screen.get(), read.cursor.x, read.cursor.y);
    if (copyTo != nullptr) {
        const int side = 2 * reach + 1;
        bitBlt(copyTo, 0, 0, side, side, screen.get(), read.cursor.x - reach, read.cursor.y - reach,
               SRCCOPY);
    }
    return read;
}

POINT ScreenReader::CursorPosition() {
    auto getCursorPos = getCursorPos_.Get();
    PhysicalPixelScope physical(*this);
    POINT cursor{0, 0};
    getCursorPos(&cursor);
    return cursor;
}

}  // namespace tintwell::win32
