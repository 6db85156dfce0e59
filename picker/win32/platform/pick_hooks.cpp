#include "pick_hooks.h"

#include <iterator>
#include <optional>

#include "hotkey_combo.h"

namespace tintwell::win32 {

namespace {

// One pick at a time in the process: the hook procedures find their window and rule
// here.
HWND g_pickWindow = nullptr;
PickSession *g_pickSession = nullptr;

// The modifiers held, followed from the keyboard hook's own events rather than asked
// of the system at each key: a question to the system costs the procedure more than
// the rest of its work. Read once from the system when the hooks go in.
constexpr int kSideKeys[] = {VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU,
                             VK_LSHIFT,   VK_RSHIFT,   VK_LWIN,  VK_RWIN};
constexpr uint32_t kSideModifiers[] = {kModControl, kModControl, kModAlt, kModAlt,
                                       kModShift,   kModShift,   kModWin, kModWin};
uint32_t g_heldSides = 0;

int SideOf(DWORD key) {
    for (int i = 0; i < static_cast<int>(std::size(kSideKeys)); ++i) {
        if (kSideKeys[i] == static_cast<int>(key)) return i;
    }
    return -1;
}

void ReadHeldSides() {
    g_heldSides = 0;
    for (int i = 0; i < static_cast<int>(std::size(kSideKeys)); ++i) {
        if ((GetAsyncKeyState(kSideKeys[i]) & 0x8000) != 0) g_heldSides |= 1u << i;
    }
}

void NoteSide(DWORD key, bool down) {
    const int side = SideOf(key);
    if (side < 0) return;
    if (down) {
        g_heldSides |= 1u << side;
    } else {
        g_heldSides &= ~(1u << side);
    }
}

uint32_t HeldModifiers() {
    uint32_t held = 0;
    for (int i = 0; i < static_cast<int>(std::size(kSideKeys)); ++i) {
        if ((g_heldSides & (1u << i)) != 0) held |= kSideModifiers[i];
    }
    return held;
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
// window, and so does the last owed up (an action of None), after which the window
// lets the hooks go.
bool Decide(const PickEvent &event) {
    const bool needed = g_pickSession->hooksNeeded();
    const PickVerdict verdict = g_pickSession->OnHookEvent(event, GetTickCount());
    if (verdict.action.kind != PickActionKind::None ||
        (needed && !PickHookNeeded(verdict.state))) {
        PostMessageW(g_pickWindow, kPickActionMessage, PackPickAction(verdict.action), 0);
    }
    return verdict.swallow;
}

}  // namespace

LRESULT CALLBACK PickMouseHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_pickSession != nullptr) {
        const auto event = MouseEvent(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam));
        if (event && Decide(*event)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PickKeyboardHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_pickSession != nullptr) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        NoteSide(key->vkCode, down);
        const PickEvent event =
            down ? KeyDownEvent(key->vkCode, HeldModifiers()) : KeyUpEvent(key->vkCode);
        if (Decide(event)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool PickHooks::Install(HWND window, PickSession &session) {
    Remove();
    ReadHeldSides();
    g_pickWindow = window;
    g_pickSession = &session;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    mouse_ = SetWindowsHookExW(WH_MOUSE_LL, &PickMouseHookProcedure, module, 0);
    keyboard_ = SetWindowsHookExW(WH_KEYBOARD_LL, &PickKeyboardHookProcedure, module, 0);
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

bool PickWitness::Watch(HWND window) {
    Stop();
    const RAWINPUTDEVICE devices[] = {
        {0x01, 0x02, RIDEV_INPUTSINK, window},  // generic desktop: mouse
        {0x01, 0x06, RIDEV_INPUTSINK, window},  // generic desktop: keyboard
    };
    watching_ = RegisterRawInputDevices(devices, static_cast<UINT>(std::size(devices)),
                                        sizeof(RAWINPUTDEVICE)) != FALSE;
    return watching_;
}

void PickWitness::Stop() {
    if (!watching_) return;
    const RAWINPUTDEVICE devices[] = {
        {0x01, 0x02, RIDEV_REMOVE, nullptr},
        {0x01, 0x06, RIDEV_REMOVE, nullptr},
    };
    RegisterRawInputDevices(devices, static_cast<UINT>(std::size(devices)),
                            sizeof(RAWINPUTDEVICE));
    watching_ = false;
}

PickWitness::Presses PickWitness::PressesIn(LPARAM rawInput) {
    Presses presses;
    RAWINPUT input{};
    UINT size = sizeof input;
    if (GetRawInputData(reinterpret_cast<HRAWINPUT>(rawInput), RID_INPUT, &input, &size,
                        sizeof(RAWINPUTHEADER)) == static_cast<UINT>(-1)) {
        return presses;
    }
    if (input.header.dwType == RIM_TYPEKEYBOARD) {
        if ((input.data.keyboard.Flags & RI_KEY_BREAK) == 0 &&
            WitnessedKey(input.data.keyboard.VKey)) {
            presses.keys = 1;
        }
    } else if (input.header.dwType == RIM_TYPEMOUSE) {
        constexpr USHORT kDowns[] = {RI_MOUSE_BUTTON_1_DOWN, RI_MOUSE_BUTTON_2_DOWN,
                                     RI_MOUSE_BUTTON_3_DOWN, RI_MOUSE_BUTTON_4_DOWN,
                                     RI_MOUSE_BUTTON_5_DOWN};
        const USHORT flags = input.data.mouse.usButtonFlags;
        for (const USHORT down : kDowns) {
            if ((flags & down) != 0) ++presses.buttons;
        }
    }
    return presses;
}

}  // namespace tintwell::win32
