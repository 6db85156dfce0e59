#include "mouse_input.h"

#include <windowsx.h>

#include "key_codes.h"

namespace tintwell::win32 {

namespace {

int16_t ButtonMask(WPARAM keys) {
    int16_t mask = 0;
    if (keys & MK_LBUTTON) mask |= kLeftButton;
    if (keys & MK_RBUTTON) mask |= kRightButton;
    if (keys & MK_MBUTTON) mask |= kMiddleButton;
    return mask;
}

int16_t ShiftMask(WPARAM keys) {
    int16_t mask = 0;
    if (keys & MK_SHIFT) mask |= kShiftKey;
    if (keys & MK_CONTROL) mask |= kCtrlKey;
    if (GetKeyState(VK_MENU) < 0) mask |= kAltKey;
    return mask;
}

// The position in the window's client pixels; negative while a captured drag is
// left of or above the window.
POINT MessagePoint(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// A press keeps the moves coming to this window wherever the pointer goes; they
// stop when the last button is released (keys is the state after the release).
void CaptureForDrag(HWND window) {
    if (GetCapture() != window) SetCapture(window);
}

void EndDragIfNoButtons(HWND window, WPARAM keys) {
    if (ButtonMask(keys) == 0 && GetCapture() == window) ReleaseCapture();
}

}  // namespace

bool RouteMouseMessage(HWND window, ControlId id, MouseSink &sink, const PointerUnits &units,
                       UINT message, WPARAM keys, LPARAM position) {
    if (message != WM_LBUTTONDOWN && message != WM_RBUTTONDOWN && message != WM_MBUTTONDOWN &&
        message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP &&
        message != WM_MOUSEMOVE && message != WM_CAPTURECHANGED) {
        return false;
    }
    // Sent to the control that had the mouse, also when the release below lets it go.
    if (message == WM_CAPTURECHANGED) {
        sink.MouseLetGo(id);
        return true;
    }
    MouseEvent event{ButtonMask(keys), ShiftMask(keys), 0.0f, 0.0f};
    units.Convert(MessagePoint(position), event.x, event.y);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            CaptureForDrag(window);
            sink.MouseDown(id, event);
            return true;
        case WM_LBUTTONUP:
            EndDragIfNoButtons(window, keys);
            sink.MouseLetGo(id);
            return true;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            EndDragIfNoButtons(window, keys);
            return true;
        case WM_MOUSEMOVE:
            sink.MouseMove(id, event);
            return true;
        default:
            return false;
    }
}

}  // namespace tintwell::win32
