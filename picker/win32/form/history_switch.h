// "色の履歴を保存" in the window's system menu: ticked while the recent colours are
// kept between starts.
#ifndef TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H
#define TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H

#include <windows.h>

namespace tintwell::win32 {

// The item's command, a multiple of 16 below 0xF000 as system commands must be.
constexpr UINT kKeepHistoryCommand = 0x0120;

// Adds the item just above the item of the command `before` (the loupe's switch,
// which stays last, where the keyboard finds it with one Up).
void AddHistorySwitch(HWND form, UINT before);
void ShowHistorySwitch(HWND form, bool on);
bool IsHistoryCommand(WPARAM command);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H
