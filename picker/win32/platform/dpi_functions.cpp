#include "dpi_functions.h"

#include "gdi_handles.h"
#include "table_geometry.h"

namespace tintwell::win32 {

DpiFunctions::DpiFunctions()
    : user32_(L"user32.dll"),
      getDpiForWindow_(user32_, "GetDpiForWindow"),
      getDpiForSystem_(user32_, "GetDpiForSystem"),
      adjustForDpi_(user32_, "AdjustWindowRectExForDpi") {}

int DpiFunctions::ForWindow(HWND window) {
    if (auto forWindow = getDpiForWindow_.GetOptional()) {
        const UINT dpi = forWindow(window);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    return ForSystem();
}

int DpiFunctions::ForSystem() {
    if (auto forSystem = getDpiForSystem_.GetOptional()) {
        const UINT dpi = forSystem();
        if (dpi != 0) return static_cast<int>(dpi);
    }
    ScreenDc screen;
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : kBaseDpi;
    return dpi > 0 ? dpi : kBaseDpi;
}

RECT DpiFunctions::FrameAround(int clientWidth, int clientHeight, DWORD style, DWORD exStyle,
                               int dpi) {
    RECT frame{0, 0, clientWidth, clientHeight};
    auto adjust = adjustForDpi_.GetOptional();
    if (adjust == nullptr || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        frame = RECT{0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return frame;
}

}  // namespace tintwell::win32
