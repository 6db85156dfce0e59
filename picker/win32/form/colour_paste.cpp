#include "colour_paste.h"

#include <optional>
#include <string>

#include "failure_report.h"

namespace tintwell::win32 {

namespace {

bool PasteModifierHeld(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

bool IsPasteKey(const MSG &message, HWND form, HWND textBox) {
    if (message.message != WM_KEYDOWN || message.wParam != 'V') return false;
    if (form == nullptr || message.hwnd == textBox) return false;
    if (message.hwnd != form && !IsChild(form, message.hwnd)) return false;
    return PasteModifierHeld(VK_CONTROL) && !PasteModifierHeld(VK_SHIFT) &&
           !PasteModifierHeld(VK_MENU);
}

ColourPaste::ColourPaste(Form &form, HandlerRunner &runner, const HWND &window)
    : form_(form), runner_(runner), window_(window) {}

// The message is told after the handler has ended, so what it said is the whole of
// what happened; it is no failure, but waits its turn with them in the one report.
void ColourPaste::Run() {
    std::optional<std::string> said;
    runner_.RunHandler([&] { said = form_.PasteColour(); });
    if (said) TellUser(window_, Notice{*said, NoticeLook::Information});
}

}  // namespace tintwell::win32
