#include "mouse_input.h"

#include <windowsx.h>

namespace tintwell::win32 {

int16_t ButtonMask(WPARAM keys) {
    int16_t mask = 0;
    if (keys & MK_LBUTTON) mask |= 1;
    if (keys & MK_RBUTTON) mask |= 2;
    if (keys & MK_MBUTTON) mask |= 4;
    return mask;
}

int16_t ShiftMask(WPARAM keys) {
    int16_t mask = 0;
    if (keys & MK_SHIFT) mask |= 1;
    if (keys & MK_CONTROL) mask |= 2;
    if (GetKeyState(VK_MENU) < 0) mask |= 4;
    return mask;
}

POINT MessagePoint(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

void CaptureForDrag(HWND window) {
    if (GetCapture() != window) SetCapture(window);
}

void EndDragIfNoButtons(HWND window, WPARAM keys) {
    if (ButtonMask(keys) == 0 && GetCapture() == window) ReleaseCapture();
}

}  // namespace tintwell::win32
