#include "picture_box.h"

#include "focus_cue.h"

namespace tintwell::win32 {

PictureBox::PictureBox(ControlId id, MouseSink &sink, KeySink &keys, int backgroundSysColor)
    : id_(id), sink_(sink), keys_(keys), backgroundSysColor_(backgroundSysColor), image_() {}

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
        case WM_NCPAINT:
            return OnNcPaint(wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
            return OnFocusCueChange(message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;  // the arrows step the pick; Tab and Enter stay the form's
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetFocus(hwnd_);  // a press in a picture takes the focus, then is routed
            break;
        default:
            break;
    }
    if (RouteKeyMessage(id_, keys_, message, wParam)) return 0;
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

LRESULT PictureBox::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_NCPAINT, wParam, lParam);
    PaintFocusCue(hwnd_, keys_.KeyboardInUse());
    return result;
}

LRESULT PictureBox::OnFocusCueChange(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(message, wParam, lParam);
    RepaintFocusCue(hwnd_);
    return result;
}

LRESULT PictureBox::OnPaint() {
    PaintDc paint(hwnd_);
    const RECT &area = paint.area();
    BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           image_->dc(), area.left, area.top, SRCCOPY);
    return 0;
}

}  // namespace tintwell::win32
