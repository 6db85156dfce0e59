// Reads the screen under the cursor in physical pixels. Every user32/gdi32 function
// used here is bound by name from the system folder at its first call.
#ifndef TINTWELL_PICKER_WIN32_SCREEN_READER_H
#define TINTWELL_PICKER_WIN32_SCREEN_READER_H

#include <windows.h>

#include "form_controls.h"
#include "system_library.h"

namespace tintwell::win32 {

// One read of the screen under the cursor: where the cursor is and its pixel's
// COLORREF (kInvalidColor when it cannot be read), both in physical pixels.
struct ScreenRead {
    POINT cursor;
    ColorRef pixel;
};

class ScreenReader {
  public:
    ScreenReader(SystemLibrary &user32, SystemLibrary &gdi32);
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    // The read a sample takes; with `copyTo`, the square of pixels reaching `reach`
    // pixels around the cursor is copied from the same screen DC to its top-left.
    ScreenRead ReadUnderCursor(HDC copyTo = nullptr, int reach = 0);
    // The cursor in physical pixels.
    POINT CursorPosition();

  private:
    class PhysicalPixelScope;

    BoundFunction<decltype(&::GetDC)> getDc_;
    BoundFunction<decltype(&::ReleaseDC)> releaseDc_;
    BoundFunction<decltype(&::GetCursorPos)> getCursorPos_;
    BoundFunction<decltype(&::GetPixel)> getPixel_;
    BoundFunction<decltype(&::BitBlt)> bitBlt_;
    BoundFunction<DPI_AWARENESS_CONTEXT(WINAPI *)(DPI_AWARENESS_CONTEXT)> setThreadDpiContext_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_SCREEN_READER_H
