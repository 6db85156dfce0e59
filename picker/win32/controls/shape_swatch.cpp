#include "shape_swatch.h"

#include "gdi_handles.h"

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
    for (int line = 0; line < border_; ++line) {
        FrameRect(paint.get(), &client, GetSysColorBrush(COLOR_WINDOWTEXT));
        InflateRect(&client, -1, -1);
    }
    return 0;
}

}  // namespace tintwell::win32
