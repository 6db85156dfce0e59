// The clipboard as the picker uses it: emptied, given a text that clipboard history
// may keep or is asked to pass over, and read for a text to paste. Every user32 function used here
// is bound by name from the system folder at its first call.
#ifndef TINTWELL_PICKER_WIN32_CLIPBOARD_H
#define TINTWELL_PICKER_WIN32_CLIPBOARD_H

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "copy_rules.h"
#include "owned_handle.h"
#include "system_library.h"

namespace tintwell::win32 {

class Clipboard {
  public:
    // owner: the window that opens the clipboard.
    Clipboard(SystemLibrary &user32, HWND owner);
    Clipboard(const Clipboard &) = delete;
    Clipboard &operator=(const Clipboard &) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }

    // Both throw PickerError with the user's message when the clipboard cannot be had
    // or will not take the text.
    void Clear();
    void SetText(const std::u16string &text, ClipboardHistory history);
    // The plain text on it, at most `limit` code units of it; empty when it holds
    // none. Throws PickerError when it cannot be had.
    std::optional<std::u16string> Text(size_t limit);

  private:
    // Opens the clipboard, waiting a moment for another program that holds it.
    ClipboardSession Open();
    void Empty();
    // Hands the block over to the clipboard; false when it would not take it.
    bool Put(UINT format, GlobalBlock &block);

    HWND owner_;
    // When the clipboard was last found held by another program, so that the next
    // attempts soon after do not wait all over again (a copy opens it twice, and a
    // copying drag once per step).
    bool busy_;
    ULONGLONG busySince_;
    BoundFunction<decltype(&::OpenClipboard)> open_;
    BoundFunction<decltype(&::CloseClipboard)> close_;
    BoundFunction<decltype(&::EmptyClipboard)> empty_;
    BoundFunction<decltype(&::SetClipboardData)> setData_;
    BoundFunction<decltype(&::GetClipboardData)> getData_;
    BoundFunction<decltype(&::RegisterClipboardFormatW)> registerFormat_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CLIPBOARD_H
