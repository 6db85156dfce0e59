#include "win32_platform.h"

namespace tintwell::win32 {

Win32Platform::Win32Platform(HWND owner)
    : user32_(L"user32.dll"),
      gdi32_(L"gdi32.dll"),
      setWindowPos_(user32_, "SetWindowPos"),
      screen_(user32_, gdi32_),
      clipboard_(user32_, owner) {}

void Win32Platform::SetTopmost(WindowHandle window, bool topmost) {
    setWindowPos_.Get()(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
                        0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

ColorRef Win32Platform::ScreenPixelUnderCursor() {
    return screen_.ReadUnderCursor().pixel;
}

void Win32Platform::ClipboardClear() {
    clipboard_.Clear();
}

void Win32Platform::ClipboardSetText(const std::u16string &text) {
    clipboard_.SetText(text, ClipboardHistory::Keep);
}

void Win32Platform::ClipboardSetTransientText(const std::u16string &text) {
    clipboard_.SetText(text, ClipboardHistory::Skip);
}

}  // namespace tintwell::win32
