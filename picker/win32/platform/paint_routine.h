// The paint messages of a window that draws all of itself through one routine,
// `paint(dc, area)`: WM_PAINT hands it the screen and the area to bring up to date,
// WM_PRINTCLIENT the caller's DC and the whole client area, so that a window prints
// into a memory DC exactly what it shows. The background is never erased apart: the
// routine covers what it is asked for.
#ifndef TINTWELL_PICKER_WIN32_PAINT_ROUTINE_H
#define TINTWELL_PICKER_WIN32_PAINT_ROUTINE_H

#include <windows.h>

#include "gdi_handles.h"

namespace tintwell::win32 {

// True when `message` was one of them; `result` is then the window procedure's.
template <typename Paint>
bool RoutePaintMessage(HWND window, UINT message, WPARAM wParam, LRESULT &result, Paint &&paint) {
    switch (message) {
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT: {
            const PaintDc screen(window);
            paint(screen.get(), screen.area());
            result = 0;
            return true;
        }
        case WM_PRINTCLIENT: {
            RECT client{};
            GetClientRect(window, &client);
            paint(reinterpret_cast<HDC>(wParam), static_cast<const RECT &>(client));
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PAINT_ROUTINE_H
