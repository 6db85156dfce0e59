#include "win32_platform.h"

#include <utility>

namespace tintwell::win32 {

Win32Platform::Win32Platform(HWND owner)
    : user32_(L"user32.dll"),
      gdi32_(L"gdi32.dll"),
      setWindowPos_(user32_, "SetWindowPos"),
      screen_(user32_, gdi32_),
      clipboard_(user32_, owner),
      history_(),
      keeping_(history_),
      templates_() {}

void Win32Platform::SetTopmost(WindowHandle window, bool topmost) {
    setWindowPos_.Get()(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
                        0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

ColorRef Win32Platform::ScreenPixelUnderCursor() {
    return screen_.ReadSquare(0).centre();
}

ScreenSquare Win32Platform::ReadScreenSquare(int reach) {
    return screen_.ReadSquare(reach);
}

ScreenSquare Win32Platform::ReadScreenSquareAt(ScreenPoint pointer, int reach) {
    return screen_.ReadSquareAt(pointer, reach);
}

ScreenPoint Win32Platform::CursorPosition() {
    const POINT cursor = screen_.Cursor();
    return ScreenPoint{cursor.x, cursor.y};
}

std::unique_ptr<ScreenSnapshot> Win32Platform::TakeSnapshot() {
    return screen_.TakeSnapshot();
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

std::optional<std::u16string> Win32Platform::ClipboardText() {
    return clipboard_.Text(kClipboardTextLimit);
}

std::optional<std::string> Win32Platform::ReadCopyTemplates() {
    return templates_.Read();
}

void Win32Platform::EditCopyTemplates(HWND owner) {
    templates_.Edit(owner);
}

void Win32Platform::KeepRecentColours(const std::vector<ColorRef> &newestFirst) {
    keeping_.Keep(newestFirst);
}

void Win32Platform::SwitchHistory(bool on, const std::vector<ColorRef> &newestFirst) {
    keeping_.Switch(on, newestFirst);
}

void Win32Platform::OnHistorySwitched(std::function<void(bool)> switched) {
    keeping_.OnSwitched(std::move(switched));
}

}  // namespace tintwell::win32
