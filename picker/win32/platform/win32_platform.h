// The system operations of the picker on Windows: keep-on-top, the screen pixel
// under the cursor and the clipboard. Every user32/gdi32 function used here is bound
// by name from the system folder at its first call.
#ifndef TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
#define TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H

#include <windows.h>

#include <vector>

#include "colour_history_file.h"
#include "form_controls.h"
#include "system_library.h"

namespace tintwell::win32 {

// One read of the screen under the cursor: where the cursor is and its pixel's
// COLORREF (kInvalidColor when it cannot be read), both in physical pixels.
struct ScreenRead {
    POINT cursor;
    ColorRef pixel;
};

class Win32Platform : public Platform {
  public:
    // owner: the window that opens the clipboard.
    explicit Win32Platform(HWND owner = nullptr);

    void SetOwner(HWND owner) { owner_ = owner; }

    void SetTopmost(WindowHandle window, bool topmost) override;
    ColorRef ScreenPixelUnderCursor() override;
    // The read a sample takes; with `copyTo`, the square of pixels reaching `reach`
    // pixels around the cursor is copied from the same screen DC to its top-left.
    ScreenRead ReadUnderCursor(HDC copyTo = nullptr, int reach = 0);
    // The cursor in physical pixels.
    POINT CursorPosition();
    void ClipboardClear() override;
    void ClipboardSetText(const std::u16string &text) override;
    void ClipboardSetTransientText(const std::u16string &text) override;

    // Writes the list while the user keeps the history; throws PickerError when it
    // cannot be written.
    void KeepRecentColours(const std::vector<ColorRef> &newestFirst) override;
    // At start: keeping is on when the history file exists, and then its colours are
    // the ones to restore; with it off nothing is read.
    std::vector<ColorRef> StartHistory();
    bool KeepingHistory() const { return keepHistory_; }
    // The user's switch: on writes the list now, so the file exists from then on;
    // off deletes the file. Throws PickerError when that fails, keeping the switch as
    // it was.
    void SwitchHistory(bool on, const std::vector<ColorRef> &newestFirst);

  private:
    class ClipboardSession;
    class PhysicalPixelScope;

    enum class History { Keep, Skip };
    void SetClipboardText(const std::u16string &text, History history);

    HWND owner_;
    ColourHistoryFile history_;
    bool keepHistory_;
    // When the clipboard was last found held by another program, so that the next
    // attempts soon after do not wait all over again (a copy opens it twice, and a
    // copying drag once per step).
    bool clipboardBusy_;
    ULONGLONG clipboardBusySince_;
    SystemLibrary user32_;
    SystemLibrary gdi32_;
    BoundFunction<decltype(&::SetWindowPos)> setWindowPos_;
    BoundFunction<decltype(&::GetDC)> getDc_;
    BoundFunction<decltype(&::ReleaseDC)> releaseDc_;
    BoundFunction<decltype(&::GetCursorPos)> getCursorPos_;
    BoundFunction<decltype(&::GetPixel)> getPixel_;
    BoundFunction<decltype(&::OpenClipboard)> openClipboard_;
    BoundFunction<decltype(&::CloseClipboard)> closeClipboard_;
    BoundFunction<decltype(&::EmptyClipboard)> emptyClipboard_;
    BoundFunction<decltype(&::SetClipboardData)> setClipboardData_;
    BoundFunction<decltype(&::RegisterClipboardFormatW)> registerClipboardFormat_;
    BoundFunction<DPI_AWARENESS_CONTEXT(WINAPI *)(DPI_AWARENESS_CONTEXT)> setThreadDpiContext_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
