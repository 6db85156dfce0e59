// A pick from anywhere on the screen, started by the hotkey (or the notification
// icon) without bringing the window forward or taking the focus: the loupe beside
// the pointer, the hooks that keep the pick's clicks and keys from other programs,
// and what each of them does. It ends on a pick, a cancel, the hotkey again, or the
// window's going, and whichever way it ends the hooks go with it.
#ifndef TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H
#define TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "command_ids.h"
#include "form.h"
#include "handler_routes.h"
#include "loupe.h"
#include "pick_hooks.h"

namespace tintwell::win32 {

class ScreenPickSession {
  public:
    // formatKey: the key of the format a pick copies in, asked at each pick.
    ScreenPickSession(Form &form, Loupe &loupe, HandlerRunner &runner,
                      std::function<std::string()> formatKey);
    ScreenPickSession(const ScreenPickSession &) = delete;
    ScreenPickSession &operator=(const ScreenPickSession &) = delete;

    void Attach(HWND window) { window_ = window; }
    // Ends a pick under way without a colour; the window is going.
    void Detach();

    // The hotkey: starts a pick, or cancels the one under way.
    void Toggle();
    void Start();
    bool active() const { return active_; }

    // The hooks' posted events and the pick's timers; false for other messages.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnMouse(WPARAM message);
    void OnKey(WPARAM key, LPARAM held);
    void OnWatch();
    void Freeze();
    void End(bool take);

    Form &form_;
    Loupe &loupe_;
    HandlerRunner &runner_;
    std::function<std::string()> formatKey_;
    HWND window_;
    PickHooks hooks_;
    bool active_;
    // Which of the watched keys and buttons were down when the pick began.
    bool heldAtStart_[5];
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H
