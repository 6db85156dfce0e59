// Reading the screen in physical pixels: the cursor, the square around it in one
// read, and a snapshot of the whole virtual screen. On a scaled display, or on a
// monitor whose scale differs from the primary's, a DPI-virtualised cursor position
// and screen DC would point at a different pixel than the one under the cursor.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_READER_H
#define TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_READER_H

#include <windows.h>

#include <memory>

#include "gdi_handles.h"
#include "monitor_list.h"
#include "screen_colour_reader.h"
#include "screen_square.h"
#include "system_library.h"

namespace tintwell::win32 {

// The calling thread per-monitor aware while it lives. Systems without per-thread
// awareness (before Windows 10 1607) are left as they are.
class PhysicalPixelScope {
  public:
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI *)(DPI_AWARENESS_CONTEXT);
    explicit PhysicalPixelScope(SetContext setContext);
    ~PhysicalPixelScope();
    PhysicalPixelScope(const PhysicalPixelScope &) = delete;
    PhysicalPixelScope &operator=(const PhysicalPixelScope &) = delete;

  private:
    SetContext setContext_;
    DPI_AWARENESS_CONTEXT previous_;
};

class ScreenReader {
  public:
    // The functions are bound by name from these libraries at their first call.
    ScreenReader(SystemLibrary &user32, SystemLibrary &gdi32);
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    POINT Cursor();
    // The cursor and the square reaching `reach` around it, from one screen DC: the
    // centre by GetPixel (kInvalidColor when it cannot be read, as a sample always
    // took it), the rest copied at once; cells on no monitor unread.
    ScreenSquare ReadSquare(int reach);
    // The same around `pointer`, where a caller just found the cursor: one pointer
    // read serves both its own decisions and the read.
    ScreenSquare ReadSquareAt(ScreenPoint pointer, int reach);
    // The whole virtual screen; null when there is no memory for it or the desktop
    // cannot be read.
    std::unique_ptr<ScreenSnapshot> TakeSnapshot();

    MonitorList &monitors() { return monitors_; }
    // What each monitor does to colours, added to every read while in use.
    ScreenColourReader &colour() { return colour_; }

  private:
    // Within a PhysicalPixelScope.
    ScreenSquare ReadAt(ScreenPoint pointer, int reach);

    BoundFunction<decltype(&::GetDC)> getDc_;
    BoundFunction<decltype(&::ReleaseDC)> releaseDc_;
    BoundFunction<decltype(&::GetCursorPos)> getCursorPos_;
    BoundFunction<decltype(&::GetPixel)> getPixel_;
    BoundFunction<PhysicalPixelScope::SetContext> setThreadDpiContext_;
    MonitorList monitors_;
    ScreenColourReader colour_;
    // Where squares are copied to, kept between reads; null until the first one.
    std::unique_ptr<OffscreenImage> square_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_READER_H
