#include "shape_swatch.h"

#include "gdi_handles.h"
#include "paint_routine.h"

namespace tintwell::win32 {

void ShapeSwatch::RegisterClass(HINSTANCE instance) {
    Register(instance, kShapeClass, nullptr);
}

void ShapeSwatch::Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                         const DisplayScale &scale) {
    border_ = scale.FromBasePixels(1);
    WindowBase::Create(instance, placement.windowClass, placement.caption, placement.style,
                       placement.exStyle, DesignedRect(placement, scale), parent, placement.id);
}

void ShapeSwatch::LayOut(const ControlPlacement &placement, const DisplayScale &scale) {
    border_ = scale.FromBasePixels(1);
    const RECT rect = DesignedRect(placement, scale);
    SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void ShapeSwatch::SetFillColor(COLORREF colour) {
    if (colour == fillColor_) return;  // a drag sets the swatch on every step
    fillColor_ = colour;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT ShapeSwatch::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (RoutePaintMessage(hwnd_, message, wParam, painted,
                          [this](HDC dc, const RECT &) { Paint(dc); })) {
        return painted;
    }
    return Default(message, wParam, lParam);
}

void ShapeSwatch::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const Brush fill(CreateSolidBrush(fillColor_));
    FillRect(dc, &client, fill.get());
    for (int line = 0; line < border_; ++line) {
        FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWTEXT));
        InflateRect(&client, -1, -1);
    }
}

}  // namespace tintwell::win32
