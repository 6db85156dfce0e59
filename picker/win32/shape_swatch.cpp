#include "shape_swatch.h"

#include "gdi_handles.h"

namespace tintwell::win32 {

void ShapeSwatch::RegisterClass(HINSTANCE instance) {
    Register(instance, kShapeClass, nullptr);
}

void ShapeSwatch::Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance) {
    CreateControlWindow(parent, placement, instance, this);
}

void ShapeSwatch::SetFillColor(COLORREF colour) {
    const COLORREF fill = colour & 0x00FFFFFFu;
    if (fill == fillColor_) return;  // a drag sets the swatch on every step
    fillColor_ = fill;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT ShapeSwatch::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return OnPaint();
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT ShapeSwatch::OnPaint() {
    PaintDc paint(hwnd_);
    RECT client{};
    GetClientRect(hwnd_, &client);
    Brush fill(CreateSolidBrush(fillColor_));
    FillRect(paint.get(), &client, fill.get());
    FrameRect(paint.get(), &client, GetSysColorBrush(COLOR_WINDOWTEXT));
    return 0;
}

}  // namespace tintwell::win32
