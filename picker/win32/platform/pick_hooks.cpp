#include "pick_hooks.h"

#include <optional>

#include "hotkey_combo.h"

namespace tintwell::win32 {

namespace {

// One pick at a time in the process: the hook procedures find their window and rule
// here.
HWND g_pickWindow = nullptr;
PickSession *g_pickSession = nullptr;

bool HeldNow(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

uint32_t HeldModifiers() {
    return (HeldNow(VK_CONTROL) ? kModControl : 0) | (HeldNow(VK_MENU) ? kModAlt : 0) |
           (HeldNow(VK_SHIFT) ? kModShift : 0) |
           (HeldNow(VK_LWIN) || HeldNow(VK_RWIN) ? kModWin : 0);
}

std::optional<PickEvent> MouseEvent(WPARAM message, const MSLLHOOKSTRUCT &event) {
    const auto wheel = static_cast<int16_t>(HIWORD(event.mouseData));
    const PickButton x = HIWORD(event.mouseData) == XBUTTON2 ? PickButton::X2 : PickButton::X1;
    switch (message) {
        case WM_LBUTTONDOWN:
            return ButtonDownEvent(PickButton::Left);
        case WM_LBUTTONUP:
            return ButtonUpEvent(PickButton::Left);
        case WM_RBUTTONDOWN:
            return ButtonDownEvent(PickButton::Right);
        case WM_RBUTTONUP:
            return ButtonUpEvent(PickButton::Right);
        case WM_MBUTTONDOWN:
            return ButtonDownEvent(PickButton::Middle);
        case WM_MBUTTONUP:
            return ButtonUpEvent(PickButton::Middle);
        case WM_XBUTTONDOWN:
            return ButtonDownEvent(x);
        case WM_XBUTTONUP:
            return ButtonUpEvent(x);
        case WM_MOUSEWHEEL:
            return WheelEvent(wheel);
        case WM_MOUSEHWHEEL:
            return HorizontalWheelEvent(wheel);
        default:
            // Moves pass, so that the pointer goes where the user takes it.
            return std::nullopt;
    }
}

// Swallowed or not, as the pick's rule says; what it makes of the event goes to the
// window.
bool Decide(const PickEvent &event) {
    const PickVerdict verdict = g_pickSession->OnHookEvent(event);
    if (verdict.action.kind != PickActionKind::None) {
        PostMessageW(g_pickWindow, kPickActionMessage, PackPickAction(verdict.action), 0);
    }
    return verdict.swallow;
}

LRESULT CALLBACK MouseProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_pickSession != nullptr) {
        const auto event = MouseEvent(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam));
        if (event && Decide(*event)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_pickSession != nullptr) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        const PickEvent event =
            down ? KeyDownEvent(key->vkCode, HeldModifiers()) : KeyUpEvent(key->vkCode);
        if (Decide(event)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool PickHooks::Install(HWND window, PickSession &session) {
    if (installed()) return true;
    g_pickWindow = window;
    g_pickSession = &session;
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
    g_pickSession = nullptr;
}

}  // namespace tintwell::win32
