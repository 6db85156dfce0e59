#include "eyedropper_input.h"

namespace tintwell::win32 {

namespace {

bool KeyHeld(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

bool IsFreezeKey(const MSG &message, HWND form) {
    if (message.message != WM_KEYDOWN || message.wParam != 'F') return false;
    if (form == nullptr || (message.hwnd != form && !IsChild(form, message.hwnd))) return false;
    return KeyHeld(VK_CONTROL) && !KeyHeld(VK_SHIFT) && !KeyHeld(VK_MENU);
}

}  // namespace tintwell::win32
