#include "picture_box.h"

namespace tintwell::win32 {

PictureBox::PictureBox(ControlId id, MouseSink &sink, int backgroundSysColor)
    : id_(id), sink_(sink), backgroundSysColor_(backgroundSysColor), image_() {}

void PictureBox::RegisterClass(HINSTANCE instance) {
    // No class background: the image covers the whole inner area.
    Register(instance, kPictureClass, nullptr);
}

void PictureBox::Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance) {
    CreateControlWindow(parent, placement, instance, this);
}

void PictureBox::Refresh() {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return OnPaint();
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetFocus(hwnd_);  // a press in a picture takes the focus, then is routed
            break;
        default:
            break;
    }
    if (RouteMouseMessage(hwnd_, id_, sink_, 1, message, wParam, lParam)) return 0;
    return Default(message, wParam, lParam);
}

LRESULT PictureBox::OnCreate() {
    RECT inner{};
    GetClientRect(hwnd_, &inner);
    image_ = std::make_unique<OffscreenImage>(inner.right, inner.bottom);
    RECT all{0, 0, inner.right, inner.bottom};
    FillRect(image_->dc(), &all, GetSysColorBrush(backgroundSysColor_));
    return 0;
}

LRESULT PictureBox::OnPaint() {
    PaintDc paint(hwnd_);
    const RECT &area = paint.area();
    BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           image_->dc(), area.left, area.top, SRCCOPY);
    return 0;
}

}  // namespace tintwell::win32
