// "色の履歴を保存" in the window's system menu: ticked while the recent colours are
// kept between starts. The switch declares its item to the menu (see SystemMenu).
#ifndef TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H
#define TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H

#include <windows.h>

#include "form.h"
#include "handler_routes.h"
#include "system_menu.h"
#include "win32_platform.h"

namespace tintwell::win32 {

// The user's switch, between the picker's recent colours and the platform's history
// file.
class HistorySwitch {
  public:
    HistorySwitch(Form &form, Win32Platform &platform, HandlerRunner &runner);
    HistorySwitch(const HistorySwitch &) = delete;
    HistorySwitch &operator=(const HistorySwitch &) = delete;

    void Attach(SystemMenu &menu);
    // The recent colours of the last run, when kept, and the tick to match. A
    // history file that cannot be used leaves keeping off and is reported; it never
    // stops the start.
    void Restore();

  private:
    // Turns keeping on or off; a file that cannot be written or deleted leaves the
    // switch as it was, and throws.
    void Switch();

    Form &form_;
    Win32Platform &platform_;
    HandlerRunner &runner_;
    SystemMenu *menu_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_HISTORY_SWITCH_H
