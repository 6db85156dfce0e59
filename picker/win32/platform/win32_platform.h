// The system operations of the picker on Windows, as the core asks for them:
// keep-on-top, the screen pixel under the cursor and the clipboard. The screen and the
// clipboard have units of their own; this one holds the system libraries they bind
// their functions from by name, and keep-on-top.
#ifndef TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
#define TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H

#include <windows.h>

#include <functional>
#include <vector>

#include "clipboard.h"
#include "colour_history_file.h"
#include "copy_templates_file.h"
#include "form_controls.h"
#include "history_keeping.h"
#include "screen_reader.h"
#include "system_library.h"

namespace tintwell::win32 {

class Win32Platform : public Platform {
  public:
    // owner: the window that opens the clipboard.
    explicit Win32Platform(HWND owner = nullptr);

    void SetOwner(HWND owner) { clipboard_.SetOwner(owner); }

    void SetTopmost(WindowHandle window, bool topmost) override;
    // The COLORREF of the pixel under the cursor, kInvalidColor when unreadable.
    ColorRef ScreenPixelUnderCursor();
    ScreenSquare ReadScreenSquare(int reach) override;
    ScreenSquare ReadScreenSquareAt(ScreenPoint pointer, int reach) override;
    ScreenPoint CursorPosition() override;
    std::unique_ptr<ScreenSnapshot> TakeSnapshot() override;
    ScreenReader &screen() { return screen_; }
    void ClipboardClear() override;
    void ClipboardSetText(const std::u16string &text) override;
    void ClipboardSetTransientText(const std::u16string &text) override;
    std::optional<std::u16string> ClipboardText() override;

    std::optional<std::string> ReadCopyTemplates() override;
    // Opens the templates file in the user's editor, making it first when it is not
    // there; throws PickerError when it cannot.
    void EditCopyTemplates(HWND owner);

    // Writes the list while the user keeps the history (see HistoryKeeping::Keep).
    void KeepRecentColours(const std::vector<ColorRef> &newestFirst) override;
    // At start: keeping is on when the history file is there and can be read, and
    // then its colours are the ones to restore; with it off nothing is read. Throws
    // PickerError, keeping off, for a file that is there but cannot be used.
    std::vector<ColorRef> StartHistory() { return keeping_.Start(); }
    bool KeepingHistory() const { return keeping_.on(); }
    // The user's switch (see HistoryKeeping::Switch).
    void SwitchHistory(bool on, const std::vector<ColorRef> &newestFirst);
    // Told whenever keeping goes on or off, also when the file went away.
    void OnHistorySwitched(std::function<void(bool)> switched);

  private:
    SystemLibrary user32_;
    SystemLibrary gdi32_;
    BoundFunction<decltype(&::SetWindowPos)> setWindowPos_;
    ScreenReader screen_;
    Clipboard clipboard_;
    ColourHistoryFile history_;
    HistoryKeeping keeping_;
    CopyTemplatesFile templates_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_WIN32_PLATFORM_H
