#include "hotkey_field.h"

#include <commctrl.h>

namespace tintwell::win32 {

namespace {

constexpr UINT_PTR kFieldSubclass = 1;

bool Held(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The keys the dialog manager would take from the field before it sees them: those
// it lets through when the parent says they are the dialog's.
bool IsDialogKey(WPARAM key) {
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
}

bool AskParent(HWND field, WPARAM key) {
    return SendMessageW(GetParent(field), kHotkeyFieldKey, key,
                        static_cast<LPARAM>(HeldHotkeyModifiers())) != 0;
}

LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE: {
            const MSG *pending = reinterpret_cast<const MSG *>(lParam);
            const bool keyDown = pending != nullptr && (pending->message == WM_KEYDOWN ||
                                                        pending->message == WM_SYSKEYDOWN);
            // Asking here, before the dialog manager acts, is what lets Ctrl+Tab or
            // Win+Enter be a combination while a plain Tab still moves on.
            if (keyDown && IsDialogKey(pending->wParam) && AskParent(field, pending->wParam)) {
                return DefSubclassProc(field, message, wParam, lParam);
            }
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!IsDialogKey(wParam)) AskParent(field, wParam);
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (HeldHotkeyModifiers() == 0)
                SendMessageW(GetParent(field), kHotkeyFieldKeysLetGo, 0, 0);
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_CONTEXTMENU:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(field, &FieldProcedure, kFieldSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

uint32_t HeldHotkeyModifiers() {
    uint32_t held = 0;
    if (Held(VK_CONTROL)) held |= MOD_CONTROL;
    if (Held(VK_MENU)) held |= MOD_ALT;
    if (Held(VK_SHIFT)) held |= MOD_SHIFT;
    if (Held(VK_LWIN) || Held(VK_RWIN)) held |= MOD_WIN;
    return held;
}

bool MakeHotkeyField(HWND edit) {
    return SetWindowSubclass(edit, &FieldProcedure, kFieldSubclass, 0) != FALSE;
}

}  // namespace tintwell::win32
