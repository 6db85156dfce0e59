// The DPI-related functions of user32 that not every supported system has, bound by
// name; without them the screen's LOGPIXELSY and the plain frame metrics serve.
#ifndef TINTWELL_PICKER_WIN32_DPI_FUNCTIONS_H
#define TINTWELL_PICKER_WIN32_DPI_FUNCTIONS_H

#include <windows.h>

#include "system_library.h"

namespace tintwell::win32 {

class DpiFunctions {
  public:
    DpiFunctions();

    // The DPI the window is shown at (its monitor's, for a per-monitor-aware window).
    int ForWindow(HWND window);
    // The DPI of the primary screen, for a window not created yet.
    int ForSystem();
    // The outer rectangle of a window of this style with the given client size.
    RECT FrameAround(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

  private:
    SystemLibrary user32_;
    BoundFunction<UINT(WINAPI *)(HWND)> getDpiForWindow_;
    BoundFunction<UINT(WINAPI *)()> getDpiForSystem_;
    BoundFunction<BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT)> adjustForDpi_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_DPI_FUNCTIONS_H
