// The system operations of the picker on Windows, as the core asks for them:
// keep-on-top, the screen pixel under the cursor and the clipboard. The screen and the
// clipboard have units of their own; this one holds the system libraries they bind
// their functions from by name, and keep-on-top.
#ifndef TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
#define TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H

#include <windows.h>

#include "clipboard.h"
#include "form_controls.h"
#include "screen_reader.h"
#include "system_library.h"

namespace tintwell::win32 {

class Win32Platform : public Platform {
  public:
    // owner: the window that opens the clipboard.
    explicit Win32Platform(HWND owner = nullptr);

    void SetOwner(HWND owner) { clipboard_.SetOwner(owner); }

    void SetTopmost(WindowHandle window, bool topmost) override;
    ColorRef ScreenPixelUnderCursor() override;
    // The read a sample takes; with `copyTo`, the square of pixels reaching `reach`
    // pixels around the cursor is copied from the same screen DC to its top-left.
    ScreenRead ReadUnderCursor(HDC copyTo = nullptr, int reach = 0) {
        return screen_.ReadUnderCursor(copyTo, reach);
    }
    // The cursor in physical pixels.
    POINT CursorPosition() { return screen_.CursorPosition(); }
    void ClipboardClear() override;
    void ClipboardSetText(const std::u16string &text) override;
    void ClipboardSetTransientText(const std::u16string &text) override;

  private:
    SystemLibrary user32_;
    SystemLibrary gdi32_;
    BoundFunction<decltype(&::SetWindowPos)> setWindowPos_;
    ScreenReader screen_;
    Clipboard clipboard_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
