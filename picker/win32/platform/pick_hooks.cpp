#include "pick_hooks.h"

namespace tintwell::win32 {

namespace {

// One pick at a time in the process: the hook procedures find their window here.
HWND g_pickWindow = nullptr;

bool HeldNow(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

bool IsButtonOrWheel(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
            return true;
        default:
            return false;
    }
}

// Moves pass, so that the pointer goes where the user takes it; every press, release
// and wheel turn is the pick's, the releases too, as their presses never arrived
// anywhere else.
LRESULT CALLBACK MouseProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_pickWindow != nullptr && IsButtonOrWheel(wParam)) {
        const auto *event = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        const LPARAM delta = wParam == WM_MOUSEWHEEL
                                 ? static_cast<LPARAM>(static_cast<short>(HIWORD(event->mouseData)))
                                 : 0;
        const bool down = wParam != WM_LBUTTONUP && wParam != WM_RBUTTONUP &&
                          wParam != WM_MBUTTONUP && wParam != WM_XBUTTONUP;
        if (down) PostMessageW(g_pickWindow, kPickMouseEvent, wParam, delta);
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_pickWindow != nullptr) {
        const auto *event = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        const bool ctrl = HeldNow(VK_CONTROL);
        if (IsPickKey(event->vkCode, ctrl)) {
            const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
            if (down) {
                const LPARAM held =
                    (HeldNow(VK_SHIFT) ? kPickHeldShift : 0) | (ctrl ? kPickHeldCtrl : 0);
                PostMessageW(g_pickWindow, kPickKeyEvent, event->vkCode, held);
            }
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool IsPickKey(uint32_t key, bool ctrlHeld) {
    switch (key) {
        case VK_RETURN:
        case VK_SPACE:
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            return true;
        case 'F':
            return ctrlHeld;
        default:
            return false;
    }
}

bool PickHooks::Install(HWND window) {
    Remove();
    g_pickWindow = window;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    mouse_ = SetWindowsHookExW(WH_MOUSE_LL, &MouseProcedure, module, 0);
    keyboard_ = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProcedure, module, 0);
    if (mouse_ != nullptr && keyboard_ != nullptr) return true;
    Remove();
    return false;
}

void PickHooks::Remove() {
    if (mouse_ != nullptr) UnhookWindowsHookEx(mouse_);
    if (keyboard_ != nullptr) UnhookWindowsHookEx(keyboard_);
    mouse_ = nullptr;
    keyboard_ = nullptr;
    g_pickWindow = nullptr;
}

}  // namespace tintwell::win32
