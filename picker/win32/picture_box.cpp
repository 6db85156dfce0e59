#include "picture_box.h"

namespace tintwell::win32 {

PictureBox::PictureBox(ControlId id, MouseSink &sink, int backgroundSysColor)
    : id_(id), sink_(sink), backgroundSysColor_(backgroundSysColor), image_() {}

void PictureBox::RegisterClass(HINSTANCE instance) {
    // No class background: the image covers the whole inner area.
    Register(instance, kPictureClass, nullptr);
}

void PictureBox::Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance) {
    CreateWindowExW(placement.exStyle, placement.windowClass, placement.caption, placement.style,
                    PixelsFromTwips(placement.left), PixelsFromTwips(placement.top),
                    PixelsFromTwips(placement.width), PixelsFromTwips(placement.height), parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)), instance, this);
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
            return OnButtonDown(wParam, lParam);
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            return OnButtonUp(wParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(wParam, lParam);
        default:
            return Default(message, wParam, lParam);
    }
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

LRESULT PictureBox::OnButtonDown(WPARAM keys, LPARAM position) {
    SetFocus(hwnd_);
    CaptureForDrag(hwnd_);
    sink_.MouseDown(id_, EventFrom(keys, position));
    return 0;
}

LRESULT PictureBox::OnButtonUp(WPARAM keys) {
    EndDragIfNoButtons(hwnd_, keys);
    return 0;
}

LRESULT PictureBox::OnMouseMove(WPARAM keys, LPARAM position) {
    sink_.MouseMove(id_, EventFrom(keys, position));
    return 0;
}

MouseEvent PictureBox::EventFrom(WPARAM keys, LPARAM position) const {
    const POINT point = MessagePoint(position);
    return MouseEvent{ButtonMask(keys), ShiftMask(keys), static_cast<float>(point.x),
                      static_cast<float>(point.y)};
}

}  // namespace tintwell::win32
