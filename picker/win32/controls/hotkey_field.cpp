#include "hotkey_field.h"

#include <commctrl.h>

#include <exception>
#include <memory>

namespace tintwell::win32 {

namespace {

constexpr UINT_PTR kFieldSubclass = 1;

// What a field's procedure reaches, kept with the subclass until the field goes.
struct FieldLinks {
    KeyFieldListener &listener;
    FailureSink &failures;
};

bool Held(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The keys the dialog manager would take from the field before it sees them: those
// it lets through when the listener says they are the dialog's.
bool IsDialogKey(WPARAM key) {
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
}

bool Ask(KeyFieldListener &listener, WPARAM key) {
    return listener.KeyPressed(static_cast<uint32_t>(key), HeldHotkeyModifiers());
}

LRESULT FieldMessage(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                     KeyFieldListener &listener) {
    switch (message) {
        case WM_GETDLGCODE: {
            const MSG *pending = reinterpret_cast<const MSG *>(lParam);
            const bool keyDown = pending != nullptr && (pending->message == WM_KEYDOWN ||
                                                        pending->message == WM_SYSKEYDOWN);
            // Asking here, before the dialog manager acts, is what lets Ctrl+Tab or
            // Win+Enter be a combination while a plain Tab still moves on.
            if (keyDown && IsDialogKey(pending->wParam) && Ask(listener, pending->wParam)) {
                return DefSubclassProc(field, message, wParam, lParam);
            }
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!IsDialogKey(wParam)) Ask(listener, wParam);
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (HeldHotkeyModifiers() == 0) listener.KeysLetGo();
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_CONTEXTMENU:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
            return 0;
        default:
            return DefSubclassProc(field, message, wParam, lParam);
    }
}

LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    auto *links = reinterpret_cast<FieldLinks *>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(field, &FieldProcedure, kFieldSubclass);
        delete links;
        return DefSubclassProc(field, message, wParam, lParam);
    }
    try {
        return FieldMessage(field, message, wParam, lParam, links->listener);
    } catch (...) {
        links->failures.HandlerFailed(std::current_exception());
        // The key is taken as the field's, so that the dialog does not act on a key
        // whose meaning was never settled.
        return message == WM_GETDLGCODE ? DLGC_WANTALLKEYS | DLGC_WANTCHARS : 0;
    }
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

bool MakeHotkeyField(HWND edit, KeyFieldListener &listener, FailureSink &failures) {
    std::unique_ptr<FieldLinks> links(new FieldLinks{listener, failures});
    if (SetWindowSubclass(edit, &FieldProcedure, kFieldSubclass,
                          reinterpret_cast<DWORD_PTR>(links.get())) == FALSE) {
        return false;
    }
    // The field's WM_NCDESTROY deletes them.
    links.release();
    return true;
}

}  // namespace tintwell::win32
