// "色の履歴を保存" in the window's system menu: ticked while the recent colours are
// kept between starts. The switch owns its system command (see WindowBase).
#ifndef TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H
#define TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H

#include <windows.h>

#include "form.h"
#include "handler_routes.h"
#include "win32_platform.h"
#include "window_base.h"

namespace tintwell::win32 {

// The item's command, a multiple of 16 below 0xF000 as system commands must be.
constexpr UINT kKeepHistoryCommand = 0x0120;

// Adds the item just above the item of the command `before` (the loupe's switch,
// which stays last, where the keyboard finds it with one Up).
void AddHistorySwitch(HWND form, UINT before);
void ShowHistorySwitch(HWND form, bool on);
bool IsHistoryCommand(WPARAM command);

// The user's switch, between the picker's recent colours and the platform's history
// file.
class HistorySwitch : public MessageOwner {
  public:
    HistorySwitch(Form &form, Win32Platform &platform, HandlerRunner &runner);
    HistorySwitch(const HistorySwitch &) = delete;
    HistorySwitch &operator=(const HistorySwitch &) = delete;

    void Attach(HWND window, UINT before);
    // The recent colours of the last run, when kept, and the tick to match. A
    // history file that cannot be used leaves keeping off and is reported; it never
    // stops the start.
    void Restore();
    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  private:
    void Switch();

    Form &form_;
    Win32Platform &platform_;
    HandlerRunner &runner_;
    HWND window_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H
