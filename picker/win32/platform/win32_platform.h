// The system operations of the picker on Windows: keep-on-top, the screen pixel
// under the cursor and the clipboard. Every user32/gdi32 function used here is bound
// by name from the system folder at its first call.
#ifndef TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
#define TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H

#include <windows.h>

#include "form_controls.h"
#include "screen_reader.h"
#include "system_library.h"

namespace tintwell::win32 {

class Win32Platform : public Platform {
  public:
    // owner: the window that opens the clipboard.
    explicit Win32Platform(HWND owner = nullptr);

    void SetOwner(HWND owner) { owner_ = owner; }

    void SetTopmost(WindowHandle window, bool topmost) override;
    // The COLORREF of the pixel under the cursor, kInvalidColor when unreadable.
    ColorRef ScreenPixelUnderCursor();
    ScreenSquare ReadScreenSquare(int reach) override;
    ScreenPoint CursorPosition() override;
    std::unique_ptr<ScreenSnapshot> TakeSnapshot() override;
    ScreenReader &screen() { return screen_; }
    void ClipboardClear() override;
    void ClipboardSetText(const std::u16string &text) override;
    void ClipboardSetTransientText(const std::u16string &text) override;

  private:
    class ClipboardSession;

    enum class History { Keep, Skip };
    void SetClipboardText(const std::u16string &text, History history);

    HWND owner_;
    // When the clipboard was last found held by another program, so that the next
    // attempts soon after do not wait all over again (a copy opens it twice, and a
    // copying drag once per step).
    bool clipboardBusy_;
    ULONGLONG clipboardBusySince_;
    SystemLibrary user32_;
    BoundFunction<decltype(&::SetWindowPos)> setWindowPos_;
    BoundFunction<decltype(&::OpenClipboard)> openClipboard_;
    BoundFunction<decltype(&::CloseClipboard)> closeClipboard_;
    BoundFunction<decltype(&::EmptyClipboard)> emptyClipboard_;
    BoundFunction<decltype(&::SetClipboardData)> setClipboardData_;
    BoundFunction<decltype(&::RegisterClipboardFormatW)> registerClipboardFormat_;
    ScreenReader screen_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
