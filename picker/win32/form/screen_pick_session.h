// A pick from anywhere on the screen, started by the hotkey (or the notification
// icon) without bringing the window forward or taking the focus: the loupe beside
// the pointer, the hooks that keep the pick's clicks and keys from other programs,
// and what each of them does. It ends on a pick, a cancel, the hotkey again, or the
// window's going. The hooks stay a moment after the end only for the releases of
// what the pick swallowed, and go at once when the window does.
#ifndef TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H
#define TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H

#include <windows.h>

#include <functional>
#include <string>

#include "command_ids.h"
#include "form.h"
#include "handler_routes.h"
#include "hotkey_combo.h"
#include "loupe.h"
#include "pick_hooks.h"
#include "pick_session.h"

namespace tintwell::win32 {

class ScreenPickSession {
  public:
    // formatKey: the key of the format a pick copies in; hotkey: the hotkey as
    // registered (key 0: none). Both are asked at each pick.
    ScreenPickSession(Form &form, Loupe &loupe, HandlerRunner &runner,
                      std::function<std::string()> formatKey, std::function<HotkeyCombo()> hotkey);
    ScreenPickSession(const ScreenPickSession &) = delete;
    ScreenPickSession &operator=(const ScreenPickSession &) = delete;

    void Attach(HWND window) { window_ = window; }
    // Ends a pick under way without a colour, and lets the hooks go; the window is
    // going.
    void Detach();

    // The hotkey: starts a pick, or cancels the one under way.
    void Toggle();
    // Starts a pick unless one is under way.
    void Start();
    bool active() const { return session_.running(); }

    // The hooks' posted actions and the pick's timers; false for other messages.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnAction(const PickAction &action);
    void OnWatch();
    void Freeze();
    void End(PickActionKind how);
    void LetHooksGoWhenDone();

    Form &form_;
    Loupe &loupe_;
    HandlerRunner &runner_;
    std::function<std::string()> formatKey_;
    std::function<HotkeyCombo()> hotkey_;
    HWND window_;
    PickSession session_;
    PickHooks hooks_;
    // Which of the watched keys and buttons were down when the pick began.
    bool heldAtStart_[5];
    // When the hooks go whatever is still owed to them.
    ULONGLONG owedUntil_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H
