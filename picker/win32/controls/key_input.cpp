#include "key_input.h"

#include "key_codes.h"

namespace tintwell::win32 {

namespace {

bool IsStepKey(WPARAM key) {
    return key >= VK_PRIOR && key <= VK_DOWN;
}

}  // namespace

int16_t HeldShiftMask() {
    int16_t mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= kShiftKey;
    if (GetKeyState(VK_CONTROL) < 0) mask |= kCtrlKey;
    if (GetKeyState(VK_MENU) < 0) mask |= kAltKey;
    return mask;
}

static_assert(VK_PRIOR == kKeyPageUp && VK_NEXT == kKeyPageDown && VK_END == kKeyEnd &&
                  VK_HOME == kKeyHome && VK_LEFT == kKeyLeft && VK_UP == kKeyUp &&
                  VK_RIGHT == kKeyRight && VK_DOWN == kKeyDown,
              "the core numbers its keys as Windows does");

bool RouteKeyMessage(ControlId id, KeySink &sink, UINT message, WPARAM key) {
    if (message != WM_KEYDOWN || !IsStepKey(key)) return false;
    sink.KeyDown(id, static_cast<int16_t>(key), HeldShiftMask());
    return true;
}

bool IsNavigationKey(const MSG &message) {
    if (message.message == WM_SYSKEYDOWN) return message.wParam == VK_MENU;
    if (message.message != WM_KEYDOWN) return false;
    return message.wParam == VK_TAB || IsStepKey(message.wParam);
}

}  // namespace tintwell::win32
